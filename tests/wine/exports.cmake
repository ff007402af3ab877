# Every export as a host calls it: the whole result register, activation given back to the
# host's frame, keys, a destroyed frame, leaks over repeated use, unterminated host texts, a long
# special-symbol list. The weld record and the symbol lists are framework strings, built by the
# same string class as the module's.
tq_add_wine_test(test_exports ${CMAKE_CURRENT_LIST_DIR}/test_exports.cpp)
target_link_libraries(test_exports PRIVATE framework_core)
# A loop that does not end with its frame hangs the call: fail within a minute, not ten.
set_tests_properties(wine.test_exports PROPERTIES TIMEOUT 60)
