# The special-symbol popup menu (geometric tolerance dialogs, dimension dialog).
list(APPEND TQ_WIDGET_SOURCES ${CMAKE_CURRENT_LIST_DIR}/SymbolPopupMenu.cpp)
