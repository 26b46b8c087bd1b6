#include "Exception.h"

#include <algorithm>
#include <cstring>

bool CException::GetErrorMessage(char* buffer, unsigned maxChars) const {
    if (maxChars == 0)
        return false;
    buffer[0] = '\0';
    if (m_strMessage.empty())
        return false;
    const std::size_t n = std::min<std::size_t>(m_strMessage.size(), maxChars - 1);
    std::memcpy(buffer, m_strMessage.data(), n);
    buffer[n] = '\0';
    return true;
}

static const char* ArchiveText(CArchiveException::Cause cause) {
    return cause == CArchiveException::endOfFile ? "Unexpected end of file."
                                                 : "The file is not in the expected format.";
}

CArchiveException::CArchiveException(Cause cause, std::optional<std::uint64_t> recordOffset)
    : CException(ArchiveText(cause)), m_cause(cause), m_recordOffset(recordOffset) {}

CMemoryException::CMemoryException() : CException("Out of memory.") {}
