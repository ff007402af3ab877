# Weld symbol rules, preview geometry, menus and the anchors of the generated bitmaps.
add_executable(weld_test ${CMAKE_CURRENT_LIST_DIR}/weld_test.cpp)
target_link_libraries(weld_test PRIVATE weld_core bmpgen_core GTest::gtest_main)
target_compile_definitions(weld_test PRIVATE TQ_BITMAP_DIR="${CMAKE_SOURCE_DIR}/res/bitmaps")
gtest_discover_tests(weld_test)
