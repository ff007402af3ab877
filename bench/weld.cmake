# The weld dialog's basic-symbol menu: click to menu on screen. (Open and close times of the
# dialog itself are in bench_dialogs with every other export.)
if(WIN32)
  add_executable(bench_weld ${CMAKE_CURRENT_LIST_DIR}/bench_weld.cpp)
  target_include_directories(bench_weld PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(bench_weld PRIVATE framework_core)
  add_dependencies(bench_weld TQDim)
endif()
