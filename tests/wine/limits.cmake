# ReadLimitDeviation on the generated Englib files. The program runs from bin/,
# beside Englib/, because the lookup finds the files next to the executable.
tq_add_wine_test(test_limits ${CMAKE_CURRENT_LIST_DIR}/test_limits.cpp)
target_link_libraries(test_limits PRIVATE fits_win)
add_dependencies(test_limits englib_data)
