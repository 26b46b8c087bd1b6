#pragma once
// A new, empty file beside a target, removed again unless it has been moved to the target's name:
// a document is written there whole and only then takes the target's place.

#include <string>

class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& target);
    // A target in the ANSI code page.
    explicit TemporaryFile(const std::string& target);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Empty when no file could be made (the system's error says why).
    const std::wstring& Path() const { return m_strPath; }
    // Gives the file the target's name, in place of a file of that name when replace is set;
    // false, with the system's error set, when it cannot (ERROR_ALREADY_EXISTS when one is there
    // and replace is not set).
    bool MoveTo(const std::wstring& target, bool replace);
    bool MoveOver(const std::string& target);

private:
    std::wstring m_strPath;
};
