# The editor: an undo state of a large skin, and one drag step at 800 %.
target_sources(vtskin_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/bench_editor.cpp)
target_link_libraries(vtskin_bench PRIVATE vt_editor vt_skin)
target_compile_definitions(vtskin_bench PRIVATE VTSKIN_BENCH_WIDGETS)
