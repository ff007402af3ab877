# The weld symbol dialog through its export. The host's record holds real framework strings:
# the test program builds them with the same string class and the same C runtime heap.
tq_add_wine_test(test_weld ${CMAKE_CURRENT_LIST_DIR}/test_weld.cpp)
target_link_libraries(test_weld PRIVATE framework_core)
