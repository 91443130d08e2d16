# Skin object painting and regions: a realistic form beside one full-frame blend.
target_sources(vtskin_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/bench_objects.cpp)
target_link_libraries(vtskin_bench PRIVATE vt_skin)
