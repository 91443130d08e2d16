# libFuzzer target for reading image collections (the gallery file).
add_executable(fuzz_gallery ${CMAKE_CURRENT_LIST_DIR}/fuzz_gallery.cpp)
target_link_libraries(fuzz_gallery PRIVATE vt_skin)
target_compile_options(fuzz_gallery PRIVATE -fsanitize=fuzzer)
target_link_options(fuzz_gallery PRIVATE -fsanitize=fuzzer)
vtskin_warnings(fuzz_gallery)
