# The dimension and tolerance dialog through its export; the symbol list is a real CStringArray.
tq_add_wine_test(test_toller ${CMAKE_CURRENT_LIST_DIR}/test_toller.cpp)
target_link_libraries(test_toller PRIVATE framework_core)
