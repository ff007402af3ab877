# The tolerance and fit sheets, driven directly: the program links the chart pages and carries
# the module's resources, and runs from bin/ beside the generated Englib files.
tq_add_wine_test(test_charts ${CMAKE_CURRENT_LIST_DIR}/test_charts.cpp $<TARGET_OBJECTS:tq_resources>)
target_link_libraries(test_charts PRIVATE fits_ui)
add_dependencies(test_charts englib_data)
