# Rules of the combination dialog and the combined tolerance dialogs that need no window.
add_executable(geotol_combined_test
  ${CMAKE_CURRENT_LIST_DIR}/gt_combination_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gt_combined_test.cpp)
target_link_libraries(geotol_combined_test PRIVATE geotol_core GTest::gtest_main)
gtest_discover_tests(geotol_combined_test)
