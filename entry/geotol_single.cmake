# The form and position tolerance dialogs.
list(APPEND TQ_EXPORTS "TQDim_WZGCDlg 24 4" "TQDim_XZGCDlg 20 8")
list(APPEND TQ_ENTRY_SOURCES ${CMAKE_CURRENT_LIST_DIR}/exports_geotol_single.cpp)
list(APPEND TQ_ENTRY_LIBS geotol_ui)
