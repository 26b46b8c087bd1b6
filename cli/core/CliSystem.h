#pragma once
// What zembra-cli needs of the system it runs on: its output, its files and, on Windows, its
// message boxes. Texts passed in and out are UTF-8.

#include "app/core/MessageBoxDesign.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class ArchiveStream;
class CException;

namespace cli {

enum class WriteOutcome { Written, Exists, Failed };

struct BoxOutcome {
    // The pressed button's number, 32000 when the timeout closed the box, 0 when no box was shown.
    int result = 0;
    // Why no box was shown.
    std::string failure;
};

class CliSystem {
public:
    virtual ~CliSystem() = default;

    virtual void Out(const std::string& text) = 0;
    virtual void Err(const std::string& text) = 0;

    // The text of one of the framework's exceptions (a file the system could not open or read).
    virtual std::string ReasonOf(const CException& e) const = 0;

    // The file for reading, shared with other readers. Throws CFileException.
    virtual std::unique_ptr<ArchiveStream> OpenDocument(const std::string& path) = 0;
    // Writes bytes as the file at path, whole or not at all: a new file, or one in place of an
    // existing file when replace is set. On Failed, reason says why.
    virtual WriteOutcome WriteDocument(const std::string& path,
                                       const std::vector<unsigned char>& bytes, bool replace,
                                       std::string& reason) = 0;

    virtual bool CanShowBoxes() const = 0;
    // Shows the design's box with no owner and its style word unchanged; a box still open after
    // timeoutSeconds is closed with 32000.
    virtual BoxOutcome ShowBox(const MessageBoxDesign& design,
                               std::optional<unsigned> timeoutSeconds) = 0;
};

} // namespace cli
