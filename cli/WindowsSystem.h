#pragma once
// zembra-cli on Windows: Unicode arguments, output to the console or as UTF-8, files by their
// Unicode names, and the system's message boxes.

#include "cli/core/CliSystem.h"

#include <string>

namespace cli {

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

class WindowsSystem : public CliSystem {
public:
    void Out(const std::string& text) override;
    void Err(const std::string& text) override;

    std::string ReasonOf(const CException& e) const override;

    std::unique_ptr<ArchiveStream> OpenDocument(const std::string& path) override;
    WriteOutcome WriteDocument(const std::string& path, const std::vector<unsigned char>& bytes,
                               bool replace, std::string& reason) override;

    bool CanShowBoxes() const override { return true; }
    BoxOutcome ShowBox(const MessageBoxDesign& design,
                       std::optional<unsigned> timeoutSeconds) override;
};

} // namespace cli
