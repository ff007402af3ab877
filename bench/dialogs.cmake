# Open/close times of every dialog against the system font dialog.
if(WIN32)
  add_executable(bench_dialogs ${CMAKE_CURRENT_LIST_DIR}/bench_dialogs.cpp)
  target_include_directories(bench_dialogs PRIVATE ${CMAKE_SOURCE_DIR})
  # The weld record holds framework strings, built by the same string class as the module's.
  target_link_libraries(bench_dialogs PRIVATE comdlg32 framework_core)
  add_dependencies(bench_dialogs TQDim)
endif()
