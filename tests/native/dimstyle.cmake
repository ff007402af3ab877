# Dimension style page rules: size matching, number texts, clamps and flag-word groups.
add_executable(dim_rules_test ${CMAKE_CURRENT_LIST_DIR}/dim_rules_test.cpp)
target_link_libraries(dim_rules_test PRIVATE dimstyle_core GTest::gtest_main)
gtest_discover_tests(dim_rules_test)
