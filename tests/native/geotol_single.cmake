# Rules of the form and position tolerance dialogs and of the principle buttons and
# special-symbol menu that all geometric tolerance dialogs share.
add_executable(geotol_single_test ${CMAKE_CURRENT_LIST_DIR}/gt_principle_test.cpp)
target_link_libraries(geotol_single_test PRIVATE geotol_core GTest::gtest_main)
gtest_discover_tests(geotol_single_test)
