# ReadLimitDeviation against the bare file access it cannot avoid. Runs from bin/,
# beside the generated Englib files.
if(WIN32)
  add_executable(bench_limits ${CMAKE_CURRENT_LIST_DIR}/bench_limits.cpp)
  target_link_libraries(bench_limits PRIVATE fits_win)
  add_dependencies(bench_limits englib_data)
endif()
