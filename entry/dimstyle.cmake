# The dimension style sheet.
list(APPEND TQ_EXPORTS "TQDim_SetupDlg 8 2")
list(APPEND TQ_ENTRY_SOURCES ${CMAKE_CURRENT_LIST_DIR}/exports_dimstyle.cpp)
list(APPEND TQ_ENTRY_LIBS dimstyle_ui)
