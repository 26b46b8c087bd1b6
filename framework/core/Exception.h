#pragma once
// The framework's exceptions: file, archive and memory failures, each carrying its own text.
// Thrown by value and caught by reference where the file is used.

#include <cstdint>
#include <optional>
#include <string>

class CException {
public:
    virtual ~CException() = default;

    // Copies the message, cut to fit, into a buffer of maxChars bytes (terminator included).
    // False, with an empty buffer, when the exception carries no text.
    bool GetErrorMessage(char* buffer, unsigned maxChars) const;
    const std::string& Message() const { return m_strMessage; }

protected:
    explicit CException(std::string message) : m_strMessage(std::move(message)) {}

private:
    std::string m_strMessage;
};

class CArchiveException : public CException {
public:
    enum Cause { endOfFile, badFormat };
    // recordOffset: where the string record that failed begins, when one did.
    explicit CArchiveException(Cause cause, std::optional<std::uint64_t> recordOffset = {});
    Cause GetCause() const { return m_cause; }
    // Set when a string record's length reaches beyond the end (endOfFile) or its length is
    // malformed (badFormat); a fixed-size field that runs out leaves it empty.
    std::optional<std::uint64_t> GetRecordOffset() const { return m_recordOffset; }

private:
    Cause m_cause;
    std::optional<std::uint64_t> m_recordOffset;
};

class CFileException : public CException {
public:
    // osError is the system's error code; message is the system's text for it.
    CFileException(unsigned long osError, std::string message)
        : CException(std::move(message)), m_lOsError(osError) {}
    unsigned long GetOsError() const { return m_lOsError; }

private:
    unsigned long m_lOsError;
};

class CMemoryException : public CException {
public:
    CMemoryException();
};
