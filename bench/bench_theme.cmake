# Painting through the skin-backed theme (a scroll bar, a window frame) beside one blend of
# the same area; the theme paints the light demo skin, built in memory.
target_sources(vtskin_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/bench_theme.cpp)
target_link_libraries(vtskin_bench PRIVATE vt_theme vt_demoskins)
