#pragma once
// A document as the product's reader reads it, or why it cannot be read, in words for a person.

#include "app/core/MessageBoxDesign.h"

#include <optional>
#include <string>

class ArchiveStream;

namespace cli {

struct DocumentRead {
    // Nothing when the file ends before its version.
    std::optional<double> version;
    MessageBoxDesign design;
    // Empty when the document was read to its style word; otherwise why not ("cut short at byte
    // 13").
    std::string failure;
    // Empty unless a box block after the style word was ignored; then why.
    std::string blockProblem;
};

// Reads the document as run mode reads it. One of another version is read on, as run mode reads
// it once the user has agreed. A length beyond the end is reported before anything is allocated
// for it. What the stream throws itself (a CFileException) is left to the caller.
DocumentRead ReadDocument(ArchiveStream& stream);

// check's reason for a document read: "ok", its other version (which comes first, as the reader
// finds it first), why it could not be read, or why its box block is ignored.
std::string CheckReason(const DocumentRead& read);

} // namespace cli
