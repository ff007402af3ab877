# The principle toggle rule that every geometric tolerance dialog shares.
add_executable(geotol_single_test ${CMAKE_CURRENT_LIST_DIR}/gt_principle_test.cpp)
target_link_libraries(geotol_single_test PRIVATE geotol_core GTest::gtest_main)
gtest_discover_tests(geotol_single_test)
