# Popup menus of bitmap items (weld symbols; any dialog that offers pictures to pick).
list(APPEND TQ_WIDGET_SOURCES ${CMAKE_CURRENT_LIST_DIR}/BitmapPopupMenu.cpp)
