# The Windows targets are linked by LLVM's linker, lld, through the compiler driver. The GNU
# linker keeps every unwind table (.pdata, .xdata) and, through it, every function of each object
# it takes in, so --gc-sections left whole objects of the C++ library (all of std::wstring's and
# the old std::string's members) in every program; lld drops a left-out function's unwind tables
# with it (Zembra.exe: 351,744 bytes with the GNU linker, 300,544 with lld). The driver was built
# to run the GNU linker whatever -fuse-ld says, so a specs file of ours names the linker it runs.
if(WIN32)
    add_link_options(-specs=${CMAKE_CURRENT_LIST_DIR}/lld.specs)

    # lld leaves the image checksum 0; pe-checksum (built for the build machine) writes it, right
    # after the link, into each deliverable (zembra_checksum_after_link, see cmake/Release.cmake).
    find_program(HOST_CXX NAMES c++ g++ REQUIRED)
    set(ZEMBRA_PE_CHECKSUM ${CMAKE_BINARY_DIR}/pe-checksum)
    add_custom_command(OUTPUT ${ZEMBRA_PE_CHECKSUM}
        COMMAND ${HOST_CXX} -O2 -std=c++17 -Wall -Wextra -Werror
                -o ${ZEMBRA_PE_CHECKSUM} ${CMAKE_CURRENT_LIST_DIR}/PeChecksum.cpp
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/PeChecksum.cpp
        COMMENT "Building pe-checksum for the build machine"
        VERBATIM)
    add_custom_target(pe_checksum DEPENDS ${ZEMBRA_PE_CHECKSUM})
endif()

# zembra_checksum_after_link(<target>): the program's image checksum written right after each link.
function(zembra_checksum_after_link target)
    add_dependencies(${target} pe_checksum)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${ZEMBRA_PE_CHECKSUM} $<TARGET_FILE:${target}>
        VERBATIM)
endfunction()
