# Skin bitmap benchmarks (kernels, stretch, tile, regions) beside memcpy, pixman and QBitmap.
target_sources(vtskin_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/bench_bitmap.cpp)
target_link_libraries(vtskin_bench PRIVATE vt_skin PkgConfig::PIXMAN)
