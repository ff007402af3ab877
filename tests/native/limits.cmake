# Limits and fits: the lookup on hand-made files, the chart grids, and the generated Englib files
# against a published sample of limit deviations (data/iso286, micrometres; empty: not defined).
add_executable(limits_test
  ${CMAKE_CURRENT_LIST_DIR}/limit_file_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zone_classes_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iso286_files_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/iso286_rules_test.cpp
  ${CMAKE_SOURCE_DIR}/fits/limit_file_writer.cpp
  ${CMAKE_SOURCE_DIR}/tools/iso286gen/iso286.cpp)
target_link_libraries(limits_test PRIVATE fits_core GTest::gtest_main)
target_compile_definitions(limits_test PRIVATE
  TQ_BIN_DIR="${CMAKE_BINARY_DIR}/bin"
  TQ_ISO286_DIR="${CMAKE_CURRENT_LIST_DIR}/data/iso286")
add_dependencies(limits_test englib_data)
gtest_discover_tests(limits_test)
