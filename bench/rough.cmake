# Roughness dialog open/close times against the system font dialog.
if(WIN32)
  add_executable(bench_rough ${CMAKE_CURRENT_LIST_DIR}/bench_rough.cpp)
  target_link_libraries(bench_rough PRIVATE comdlg32)
  add_dependencies(bench_rough TQDim)
endif()
