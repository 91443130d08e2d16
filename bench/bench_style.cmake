# One push button painted by the skin style and by Fusion in the same run; widgets need a
# QApplication in the benchmark main.
target_sources(vtskin_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/bench_style.cpp)
target_link_libraries(vtskin_bench PRIVATE vt_controls vt_demoskins Qt6::Widgets)
target_compile_definitions(vtskin_bench PRIVATE VTSKIN_BENCH_WIDGETS)
