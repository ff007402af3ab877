# The dimension style sheet through its export. The test runs from a directory of its own
# with a double of Dorn.dll beside it whose functions are the test's (the module loads Dorn.dll
# from the host program's directory); a second build of the same test runs from a directory
# without any Dorn.dll. Both load TQDim.dll from bin/.
tq_add_dorn_library(dorn_double ${CMAKE_BINARY_DIR}/dimstyle_test ${CMAKE_CURRENT_LIST_DIR}/dorn_double.cpp)

tq_add_wine_test(test_dimstyle ${CMAKE_CURRENT_LIST_DIR}/test_dimstyle.cpp)
set_target_properties(test_dimstyle PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/dimstyle_test)
add_dependencies(test_dimstyle dorn_double)
# The colour list's item painter is also checked on its own.
target_link_libraries(test_dimstyle PRIVATE inhouse)

tq_add_wine_test(test_dimstyle_nodorn ${CMAKE_CURRENT_LIST_DIR}/test_dimstyle.cpp)
set_target_properties(test_dimstyle_nodorn PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/dimstyle_nodorn)
target_compile_definitions(test_dimstyle_nodorn PRIVATE TQ_TEST_WITHOUT_DORN)

# The Dorn.dll stand-in itself, from bin/ where it ships.
tq_add_wine_test(test_dorn_standin ${CMAKE_CURRENT_LIST_DIR}/test_dorn_standin.cpp)
add_dependencies(test_dorn_standin Dorn)
