#include "support/core/ErrorDescription.h"

#include "framework/SystemMessage.h"

std::string GetErrorDescription(unsigned long errorCode) {
    return SystemMessage(errorCode);
}
