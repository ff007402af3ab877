# Bitmap generator: the pixels it writes, the drawing language, and the module's own
# bitmap descriptions checked at telling pixels.
add_executable(bmpgen_test ${CMAKE_CURRENT_LIST_DIR}/bmpgen_test.cpp)
target_link_libraries(bmpgen_test PRIVATE bmpgen_core GTest::gtest_main)
target_compile_definitions(bmpgen_test PRIVATE TQ_BITMAP_DIR="${CMAKE_SOURCE_DIR}/res/bitmaps")
gtest_discover_tests(bmpgen_test)
