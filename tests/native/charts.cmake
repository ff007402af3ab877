# Chart pages: geometry and hit testing, fit tables, info texts.
add_executable(charts_test ${CMAKE_CURRENT_LIST_DIR}/chart_layout_test.cpp)
target_link_libraries(charts_test PRIVATE fits_core GTest::gtest_main)
gtest_discover_tests(charts_test)
