# The dimension and tolerance dialog through its export; the symbol list is a real CStringArray.
tq_add_wine_test(test_toller ${CMAKE_CURRENT_LIST_DIR}/test_toller.cpp)
target_link_libraries(test_toller PRIVATE framework_core)

# Picks from the real sheets, aimed with the charts' own geometry, where the tree has it.
if(EXISTS ${CMAKE_SOURCE_DIR}/fits/chart_layout.h)
  tq_add_wine_test(test_toller_sheets ${CMAKE_CURRENT_LIST_DIR}/test_toller_sheets.cpp)
  target_link_libraries(test_toller_sheets PRIVATE fits_core comctl32)
  add_dependencies(test_toller_sheets englib_data)
endif()
