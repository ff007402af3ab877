# Every export called as a host that reads the whole result register.
tq_add_wine_test(test_exports ${CMAKE_CURRENT_LIST_DIR}/test_exports.cpp)
# The weld record holds framework strings, built by the same string class as the module's.
target_link_libraries(test_exports PRIVATE framework_core)
