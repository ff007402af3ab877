# The geometric tolerance dialogs through their exports. The host's special-symbol list is a
# real CStringArray: same layout on both sides.
tq_add_wine_test(test_geotol ${CMAKE_CURRENT_LIST_DIR}/test_geotol.cpp)
target_link_libraries(test_geotol PRIVATE framework_core)
