# Pick rules of the shared widgets.
add_executable(widgets_test ${CMAKE_CURRENT_LIST_DIR}/widgets_test.cpp)
target_link_libraries(widgets_test PRIVATE widgets_core GTest::gtest_main)
gtest_discover_tests(widgets_test)
