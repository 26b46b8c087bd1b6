#include "ShowMessage.h"

#include <windows.h>

int SilentMessageHandler(const std::string&, const std::string&, unsigned) {
    return IDYES;
}
