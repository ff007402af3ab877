# Every export as a host window sees it: activation given back, keys, first focus, a destroyed
# owner, a long special-symbol list.
tq_add_wine_test(test_host_window ${CMAKE_CURRENT_LIST_DIR}/test_host_window.cpp)
target_link_libraries(test_host_window PRIVATE framework_core)
