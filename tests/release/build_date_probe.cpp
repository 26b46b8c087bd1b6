// Prints the build date as About shows it, from the probe's own link time, and the name this
// source file has inside the program.

#include "app/LinkTime.h"
#include "app/core/BuildDate.h"

#include <cstdio>

int main() {
    std::printf("Recompiled: %s\n%s\n", BuildDateText(LinkTime()).c_str(), __FILE__);
    return 0;
}
