# The property inspector: switching objects and scrolling, each with its painting.
# Widgets need a QApplication: bench_main.cpp creates one when this is defined.
target_sources(vtskin_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/bench_inspector.cpp)
target_link_libraries(vtskin_bench PRIVATE vt_inspector vt_skin)
target_compile_definitions(vtskin_bench PRIVATE VTSKIN_BENCH_WIDGETS)
