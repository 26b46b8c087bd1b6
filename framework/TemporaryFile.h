#pragma once
// A new, empty file beside a target, removed again unless it is kept: a file is written there
// whole and only then takes the target's place.

#include <string>

class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& target);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Empty when no file could be made; Error says why.
    const std::wstring& Path() const { return m_strPath; }
    unsigned long Error() const { return m_error; }
    // The file has taken another's name, or is all that is left of one: it stays.
    void Keep() { m_strPath.clear(); }

private:
    std::wstring m_strPath;
    unsigned long m_error = 0;
};
