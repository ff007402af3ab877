# Dimension and tolerance dialog rules that need no window.
add_executable(toller_rules_test ${CMAKE_CURRENT_LIST_DIR}/toller_rules_test.cpp)
target_link_libraries(toller_rules_test PRIVATE toller_core GTest::gtest_main)
gtest_discover_tests(toller_rules_test)
