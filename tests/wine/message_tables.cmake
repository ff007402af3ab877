# Every control id of every dialog's message tables exists in the dialog's template. Each
# dialog area links its dialog library here and adds a line to the table in the source.
tq_add_wine_test(test_message_tables ${CMAKE_CURRENT_LIST_DIR}/test_message_tables.cpp)
target_link_libraries(test_message_tables PRIVATE roughness_ui geotol_ui dimstyle_ui weld_ui toller_ui)
