# The portable core libraries (no Windows header), each defined once in its layer's core/ folder.
# The main build includes this file, and so do the host builds (cmake/host) that build the core
# again with the build machine's compiler for a tool that runs during the build or beside it.
get_filename_component(ZEMBRA_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
foreach(layer IN ITEMS framework support log app box uninstaller installer cli)
    add_subdirectory(${ZEMBRA_SOURCE_DIR}/${layer}/core ${CMAKE_BINARY_DIR}/${layer}/core)
endforeach()
