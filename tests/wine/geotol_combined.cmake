# The characteristic combination dialog and the combined tolerance dialogs through their exports.
tq_add_wine_test(test_geotol_combination ${CMAKE_CURRENT_LIST_DIR}/test_geotol_combination.cpp)
