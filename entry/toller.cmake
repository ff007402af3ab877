# The dimension and tolerance dialog.
list(APPEND TQ_EXPORTS "TQDim_TollerDlg 8 3")
list(APPEND TQ_ENTRY_SOURCES ${CMAKE_CURRENT_LIST_DIR}/exports_toller.cpp)
list(APPEND TQ_ENTRY_LIBS toller_ui)
