# Skin files: loading and saving each variant beside bare zlib and memcpy on the same body.
target_sources(vtskin_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/bench_format.cpp)
target_link_libraries(vtskin_bench PRIVATE vt_skin ZLIB::ZLIB)
