# The framework layer by itself (linked statically into a test program with a template of its own).
tq_add_wine_test(test_framework ${CMAKE_CURRENT_LIST_DIR}/test_framework.cpp ${CMAKE_CURRENT_LIST_DIR}/test_framework.rc)
target_link_libraries(test_framework PRIVATE framework)
