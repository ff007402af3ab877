# The special-symbol picker (CTQSymbolWnd) of the widget library.
list(APPEND TQ_INHOUSE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/TQSymbolWnd.cpp)
