tq_add_wine_test(test_rough ${CMAKE_CURRENT_LIST_DIR}/test_rough.cpp)
