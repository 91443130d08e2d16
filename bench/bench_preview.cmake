# The controls preview window rendered whole, by the skin style and by Fusion in the same
# run; the window loads the light demo skin from the generated samples.
target_sources(vtskin_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/bench_preview.cpp)
target_link_libraries(vtskin_bench PRIVATE vt_editor)
target_compile_definitions(vtskin_bench PRIVATE VTSKIN_DEMO_SKIN_DIR="${VTSKIN_DEMO_SKIN_DIR}")
add_dependencies(vtskin_bench demo_skins)
