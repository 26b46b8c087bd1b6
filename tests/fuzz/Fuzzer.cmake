# The reader fuzzer: the document reader and check's reasons from the core libraries, under
# libFuzzer. The host build compiles everything with the sanitizers and the fuzzer's coverage.
add_executable(reader_fuzz ${CMAKE_CURRENT_LIST_DIR}/ReaderFuzz.cpp)
target_link_libraries(reader_fuzz PRIVATE zembra_cli_core)
target_link_options(reader_fuzz PRIVATE -fsanitize=fuzzer)
