# Repeated use of every dialog leaves no GDI or USER objects or heap blocks behind. The host's
# special-symbol list is a real CStringArray.
tq_add_wine_test(test_leaks ${CMAKE_CURRENT_LIST_DIR}/test_leaks.cpp)
target_link_libraries(test_leaks PRIVATE framework_core)
