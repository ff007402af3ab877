# The roughness symbol dialog.
list(APPEND TQ_EXPORTS "TQDim_RoughDlg 4 1")
list(APPEND TQ_ENTRY_SOURCES ${CMAKE_CURRENT_LIST_DIR}/exports_rough.cpp)
list(APPEND TQ_ENTRY_LIBS roughness_ui)
