# The in-house pieces the dimension style sheet calls: Dorn.dll's binding, the tab sheet and
# the colour list with its palette.
list(APPEND TQ_INHOUSE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/Dorn.cpp ${CMAKE_CURRENT_LIST_DIR}/TabSheet.cpp
     ${CMAKE_CURRENT_LIST_DIR}/TqColorCmb.cpp ${CMAKE_CURRENT_LIST_DIR}/color_palette.cpp)
