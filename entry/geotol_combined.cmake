# The combined geometric tolerance dialogs and the characteristic combination dialog.
list(APPEND TQ_EXPORTS "TQDim_XWZH_WZDlg 8 6" "TQDim_XWZH_XZDlg 8 7" "TQDim_ZHGCDlg 4 9")
list(APPEND TQ_ENTRY_SOURCES ${CMAKE_CURRENT_LIST_DIR}/exports_geotol_combined.cpp)
list(APPEND TQ_ENTRY_LIBS geotol_ui)
