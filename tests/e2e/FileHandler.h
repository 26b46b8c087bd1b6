#pragma once
// A program of the test's own registered, for a while, as the one the shell opens a document
// type with; the registration that was there before comes back afterwards.

#include "tests/driver/Registry.h"

#include <memory>
#include <string>

namespace e2e {

class TemporaryFileHandler {
public:
    // From now on the shell opens documents whose names end in extension (".htm") with command,
    // in which "%1" stands for the document. Registered machine-wide (the shell reads file types
    // from there); the test fails when it cannot be written.
    TemporaryFileHandler(const std::string& extension, const std::string& command);
    ~TemporaryFileHandler();
    TemporaryFileHandler(const TemporaryFileHandler&) = delete;
    TemporaryFileHandler& operator=(const TemporaryFileHandler&) = delete;

private:
    void Remove() const;

    std::string m_extensionKey;
    bool m_extensionExisted = false;
    std::unique_ptr<testdriver::SavedValue> m_fileType;
};

} // namespace e2e
