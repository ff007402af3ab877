# Roughness dialog rules that need no window.
add_executable(rough_rules_test ${CMAKE_CURRENT_LIST_DIR}/rough_rules_test.cpp)
target_link_libraries(rough_rules_test PRIVATE roughness_core GTest::gtest_main)
gtest_discover_tests(rough_rules_test)
