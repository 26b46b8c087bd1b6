// boxprobe <style-decimal> <caption> <text>
// Shows one system message box and exits with MessageBoxA's result: the least any program can do
// to show a box, for the test driver's own tests and as the floor for timing our programs.
// Exits with 255 when the arguments are wrong (MessageBoxA itself gives 0 on failure).

#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 4 || argv[1][0] == '\0')
        return 255;
    UINT style = 0;
    for (const char* p = argv[1]; *p; ++p) {
        if (*p < '0' || *p > '9' || style > (0xFFFFFFFFu - (*p - '0')) / 10)
            return 255;
        style = style * 10 + static_cast<UINT>(*p - '0');
    }
    return MessageBoxA(nullptr, argv[3], argv[2], style);
}
