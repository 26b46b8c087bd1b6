#include "ErrorDescription.h"

#include "framework/core/Exception.h"

#include <vector>

std::string GetErrorDescription(const CException& e, unsigned maxChars) {
    std::vector<char> buffer(maxChars + 1u, '\0');
    if (!e.GetErrorMessage(buffer.data(), maxChars) || buffer[0] == '\0')
        return "Could not retrieve error description.";
    return buffer.data();
}
