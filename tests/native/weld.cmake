# Weld symbol rules and the bitmap generator: pick sequences, the generator's pixels and
# primitives, the anchors and sides of the weld bitmaps, the run-out pair.
add_executable(weld_test ${CMAKE_CURRENT_LIST_DIR}/weld_test.cpp)
target_link_libraries(weld_test PRIVATE weld_core bmpgen_core GTest::gtest_main)
target_compile_definitions(weld_test PRIVATE TQ_BITMAP_DIR="${CMAKE_SOURCE_DIR}/res/bitmaps")
gtest_discover_tests(weld_test)
