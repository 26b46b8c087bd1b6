// Compiled without stack protection, like the entry point that calls it.
#include "StackGuard.h"

#include <windows.h>
#include <x86intrin.h>

#include <cstdint>

extern "C" {

// What every protected function compares its copy with before it returns. Until the entry point
// seeds it (and in a program started some other way) it holds this fixed value.
std::uintptr_t __stack_chk_guard = 0x2F8A6C3D9E1B4700;

// A protected function found its copy of the guard overwritten: the stack is corrupt, so the
// process ends at once, with nothing of it run any more (no handler, no static destruction).
[[noreturn]] void __stack_chk_fail() {
    if (IsProcessorFeaturePresent(PF_FASTFAIL_AVAILABLE))
        __asm__ volatile("int $0x29" : : "c"(FAST_FAIL_STACK_COOKIE_CHECK_FAILURE));
    TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
    for (;;)
        __builtin_trap();
}
}

namespace {

std::uint64_t Mix(std::uint64_t value) {
    value ^= value >> 30;
    value *= 0xBF58476D1CE4E5B9ULL;
    value ^= value >> 27;
    value *= 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

// The guard from the inputs: mixed, lowest byte zero, never zero as a whole.
std::uintptr_t StackGuardFrom(const std::uint64_t* inputs, std::size_t count) {
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    for (std::size_t i = 0; i < count; ++i)
        state = Mix(state + inputs[i]);
    state &= ~std::uint64_t{0xFF};
    return state != 0 ? static_cast<std::uintptr_t>(state) : 0x2F8A6C3D9E1B4700;
}

} // namespace

void SeedStackGuard() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    const int onTheStack = 0;
    const std::uint64_t inputs[] = {
        (std::uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime,
        static_cast<std::uint64_t>(counter.QuadPart),
        __rdtsc(),
        GetTickCount64(),
        (std::uint64_t{GetCurrentProcessId()} << 32) | GetCurrentThreadId(),
        reinterpret_cast<std::uintptr_t>(&onTheStack),
        reinterpret_cast<std::uintptr_t>(GetProcessHeap()),
        reinterpret_cast<std::uintptr_t>(&SeedStackGuard),
    };
    __stack_chk_guard = StackGuardFrom(inputs, sizeof inputs / sizeof inputs[0]);
}
