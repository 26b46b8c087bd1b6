#pragma once
// zembra-cli on Linux: UTF-8 arguments and output, documents in Windows-1252, files through the
// POSIX calls, and no message boxes.

#include "cli/core/CliSystem.h"

namespace cli {

class PosixSystem : public CliSystem {
public:
    void Out(const std::string& text) override;
    void Err(const std::string& text) override;

    std::string CodePageName() const override;
    bool ToStored(const std::string& utf8, std::string& stored, char32_t& failed) const override;
    std::string FromStored(const std::string& stored) const override;
    std::string ReasonOf(const CException& e) const override;

    std::unique_ptr<ArchiveStream> OpenDocument(const std::string& path) override;
    WriteOutcome WriteDocument(const std::string& path, const std::vector<unsigned char>& bytes,
                               bool replace, std::string& reason) override;

    bool CanShowBoxes() const override { return false; }
    BoxOutcome ShowBox(const MessageBoxDesign& design,
                       std::optional<unsigned> timeoutSeconds) override;
};

} // namespace cli
