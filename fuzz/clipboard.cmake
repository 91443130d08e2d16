# libFuzzer target for the clipboard payload of skin objects.
add_executable(fuzz_clipboard ${CMAKE_CURRENT_LIST_DIR}/fuzz_clipboard.cpp)
target_link_libraries(fuzz_clipboard PRIVATE vt_skin)
target_compile_options(fuzz_clipboard PRIVATE -fsanitize=fuzzer)
target_link_options(fuzz_clipboard PRIVATE -fsanitize=fuzzer)
vtskin_warnings(fuzz_clipboard)
