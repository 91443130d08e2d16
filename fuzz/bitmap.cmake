# libFuzzer target for the stream form of one skin image (clang, VTSKIN_FUZZ=ON).
add_executable(fuzz_bitmap_stream ${CMAKE_CURRENT_LIST_DIR}/fuzz_bitmap_stream.cpp)
target_link_libraries(fuzz_bitmap_stream PRIVATE vt_skin)
target_compile_options(fuzz_bitmap_stream PRIVATE -fsanitize=fuzzer)
target_link_options(fuzz_bitmap_stream PRIVATE -fsanitize=fuzzer)
vtskin_warnings(fuzz_bitmap_stream)
