# The weld dialog through its export; the record's strings are built by the module's string class.
tq_add_wine_test(test_weld ${CMAKE_CURRENT_LIST_DIR}/test_weld.cpp)
target_link_libraries(test_weld PRIVATE framework_core)
