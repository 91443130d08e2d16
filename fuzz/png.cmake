# libFuzzer target for reading PNG pictures (clang, VTSKIN_FUZZ=ON).
add_executable(fuzz_png ${CMAKE_CURRENT_LIST_DIR}/fuzz_png.cpp)
target_link_libraries(fuzz_png PRIVATE vt_skin)
target_compile_options(fuzz_png PRIVATE -fsanitize=fuzzer)
target_link_options(fuzz_png PRIVATE -fsanitize=fuzzer)
vtskin_warnings(fuzz_png)
