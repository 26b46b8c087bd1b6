#pragma once
// zembra-cli on Linux: UTF-8 arguments and output, files through the POSIX calls, and no message
// boxes. The documents' narrow strings are in Windows-1252 here.

#include "cli/core/CliSystem.h"

namespace cli {

class PosixSystem : public CliSystem {
public:
    void Out(const std::string& text) override;
    void Err(const std::string& text) override;

    std::string ReasonOf(const CException& e) const override;

    std::unique_ptr<ArchiveStream> OpenDocument(const std::string& path) override;
    WriteOutcome WriteDocument(const std::string& path, const std::vector<unsigned char>& bytes,
                               bool replace, std::string& reason) override;

    bool CanShowBoxes() const override { return false; }
    BoxOutcome ShowBox(const MessageBoxDesign& design,
                       std::optional<unsigned> timeoutSeconds) override;
};

} // namespace cli
