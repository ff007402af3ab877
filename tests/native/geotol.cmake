# Geometric tolerance rules: the tables checked cell by cell against GB/T 1184-1996 Annex B as
# the standard prints it (data/gbt1184, micrometres), the principle toggle rule that every
# geometric tolerance dialog shares, the counting of the combination dialog.
add_executable(geotol_test ${CMAKE_CURRENT_LIST_DIR}/geotol_test.cpp)
target_link_libraries(geotol_test PRIVATE geotol_core GTest::gtest_main)
target_compile_definitions(geotol_test PRIVATE TQ_GBT1184_DIR="${CMAKE_CURRENT_LIST_DIR}/data/gbt1184")
gtest_discover_tests(geotol_test)
