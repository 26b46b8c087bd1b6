# Hardening of the Windows build. Every function with arrays or addresses of locals checks a stack
# guard before it returns; the programs bring their own guard (framework/StackGuard.cpp), every
# other Windows target (tests, benchmarks) the toolchain's runtime.
if(WIN32)
    add_compile_options(-fstack-protector-strong)
    add_link_options(-fstack-protector-strong)
endif()

# Makes target one of the product's programs (kind WINDOW or CONSOLE): it starts at the product's
# own entry point (framework/ProcessStart.h), with the product's stack guard, randomised at a high
# address with a non-executable stack and heap, and a window program aware of Remote Desktop
# sessions (the system then gives it the real Windows folder), a console program not (which lld,
# unlike the GNU linker, would ask for unless told).
function(zembra_program target kind)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:zembra_start>)
    target_link_options(${target} PRIVATE -Wl,--dynamicbase,--high-entropy-va,--nxcompat)
    if(kind STREQUAL "WINDOW")
        target_link_options(${target} PRIVATE -Wl,-e,ZembraWindowsStart -Wl,--tsaware)
    elseif(kind STREQUAL "CONSOLE")
        target_link_options(${target} PRIVATE -Wl,-e,ZembraConsoleStart -Wl,--disable-tsaware)
    else()
        message(FATAL_ERROR "zembra_program: kind is WINDOW or CONSOLE, not ${kind}")
    endif()
endfunction()
