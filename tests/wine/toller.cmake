# The dimension and tolerance dialog through its export, with a real CStringArray symbol list
# and the real sheets, aimed with the charts' own geometry.
tq_add_wine_test(test_toller ${CMAKE_CURRENT_LIST_DIR}/test_toller.cpp)
target_link_libraries(test_toller PRIVATE framework_core fits_core comctl32)
add_dependencies(test_toller englib_data)
