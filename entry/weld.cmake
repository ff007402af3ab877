# The weld symbol dialog.
list(APPEND TQ_EXPORTS "TQDim_WeldDlg 4 5")
list(APPEND TQ_ENTRY_SOURCES ${CMAKE_CURRENT_LIST_DIR}/exports_weld.cpp)
list(APPEND TQ_ENTRY_LIBS weld_ui)
