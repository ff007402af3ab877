# Framework strings (host-shared layout and allocation) and GBK field rules.
add_executable(framework_test ${CMAKE_CURRENT_LIST_DIR}/framework_test.cpp)
target_link_libraries(framework_test PRIVATE framework_core GTest::gtest_main)
gtest_discover_tests(framework_test)
