# Builds one tool from the portable core with a compiler for the build machine, in a build of its
# own (cmake/host) beside the main one: the template document's generator when the programs are
# cross-compiled, and the fuzzer, which needs clang.
include(ExternalProject)

# zembra_host_tool(<target> <file> <compiler> <flags> <result variable>): builds the target that
# <file> defines from the core libraries and sets <result variable> to the program's path. The
# host build runs on every build and rebuilds only what changed, so the tool follows its sources
# as a target of the main build does.
function(zembra_host_tool target file compiler flags result)
    set(binary_dir ${CMAKE_CURRENT_BINARY_DIR}/host)
    set(program ${binary_dir}/${target})
    ExternalProject_Add(${target}_host
        SOURCE_DIR ${ZEMBRA_SOURCE_DIR}/cmake/host
        BINARY_DIR ${binary_dir}
        CMAKE_ARGS -DCMAKE_CXX_COMPILER=${compiler} "-DCMAKE_CXX_FLAGS=${flags}"
                   -DZEMBRA_HOST_TOOL=${file}
        # The outer make's job slots do not reach a command it starts this way: the host build
        # runs on its own, without the outer make's flags.
        BUILD_COMMAND ${CMAKE_COMMAND} -E env --unset=MAKEFLAGS
                      ${CMAKE_COMMAND} --build ${binary_dir} --target ${target}
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${program})
    set(${result} ${program} PARENT_SCOPE)
endfunction()
