// Starts as the product's programs start (their entry point, their stack guard) and shows what
// that start did, one command per run:
//   startprobe guard          prints the stack guard of this process in hex
//   startprobe overrun N      writes N bytes into a buffer of 16 on the stack, then prints
//                             "survived"
//   startprobe load NAME      loads the DLL NAME by bare name as any code of the process would,
//                             prints its path or "error <code>"
//   startprobe system NAME    loads it as the product loads its own system DLLs, the same way

#include "framework/SystemLibrary.h"

#include <windows.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" std::uintptr_t __stack_chk_guard;

namespace {

int PrintModule(HMODULE module) {
    if (module == nullptr) {
        std::printf("error %lu\n", GetLastError());
        return 1;
    }
    char path[MAX_PATH] = "";
    GetModuleFileNameA(module, path, MAX_PATH);
    std::printf("%s\n", path);
    return 0;
}

// Kept out of line, so that the compiler protects this frame and cannot see the overrun coming.
__attribute__((noinline)) void Overrun(std::size_t count) {
    char buffer[16];
    volatile char* volatile at = buffer;
    for (std::size_t i = 0; i < count; ++i)
        at[i] = 'x';
    std::printf("wrote %zu\n", count);
}

wchar_t* Wide(const char* text) {
    static wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide, MAX_PATH);
    return wide;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "guard") == 0) {
        std::printf("%016" PRIxPTR "\n", __stack_chk_guard);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "overrun") == 0) {
        Overrun(std::strtoul(argv[2], nullptr, 10));
        std::printf("survived\n");
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "load") == 0)
        return PrintModule(LoadLibraryW(Wide(argv[2])));
    if (argc == 3 && std::strcmp(argv[1], "system") == 0)
        return PrintModule(LoadSystemLibrary(Wide(argv[2])));
    return 2;
}
