# The form and position tolerance dialogs through their exports. The host's special-symbol
# list is a real CStringArray: same layout on both sides.
tq_add_wine_test(test_tolerance_frame ${CMAKE_CURRENT_LIST_DIR}/test_tolerance_frame.cpp)
target_link_libraries(test_tolerance_frame PRIVATE framework_core)
