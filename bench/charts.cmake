# Repaint and hover update of the chart pages, painted into a memory bitmap. Runs from bin/,
# beside the generated Englib files.
if(WIN32)
  add_executable(bench_charts ${CMAKE_CURRENT_LIST_DIR}/bench_charts.cpp $<TARGET_OBJECTS:tq_resources>)
  target_link_libraries(bench_charts PRIVATE fits_ui)
  add_dependencies(bench_charts englib_data)
endif()
