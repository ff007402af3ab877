# The characteristic combination dialog and the combined tolerance dialogs through their exports.
tq_add_wine_test(test_geotol_combination ${CMAKE_CURRENT_LIST_DIR}/test_geotol_combination.cpp)
# The host's special-symbol list is a real CStringArray: same layout on both sides.
tq_add_wine_test(test_geotol_combined ${CMAKE_CURRENT_LIST_DIR}/test_geotol_combined.cpp)
target_link_libraries(test_geotol_combined PRIVATE framework_core)
