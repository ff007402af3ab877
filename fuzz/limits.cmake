# Limit deviation data files: the lookup on arbitrary file bytes and queries.
# The generated Englib files are its seed corpus.
if(CMAKE_CXX_COMPILER_ID MATCHES Clang)
  add_executable(limit_file_fuzz
    ${CMAKE_CURRENT_LIST_DIR}/limit_file_fuzz.cpp
    ${CMAKE_SOURCE_DIR}/fits/limit_file.cpp)
  target_include_directories(limit_file_fuzz PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(limit_file_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
  target_link_options(limit_file_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)

  set(TQ_LIMIT_FUZZ_SEEDS ${CMAKE_BINARY_DIR}/fuzz-seeds/limit_file_fuzz)
  add_custom_command(OUTPUT ${TQ_LIMIT_FUZZ_SEEDS}/xtoller
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TQ_LIMIT_FUZZ_SEEDS}
    COMMAND iso286gen ${TQ_LIMIT_FUZZ_SEEDS}
    DEPENDS iso286gen)
  add_custom_target(limit_file_fuzz_seeds DEPENDS ${TQ_LIMIT_FUZZ_SEEDS}/xtoller)

  # scripts/fuzz.sh builds the target "fuzzers" and runs every bin/*_fuzz with
  # fuzz-seeds/<name> as extra corpus when it exists.
  if(NOT TARGET fuzzers)
    add_custom_target(fuzzers)
  endif()
  add_dependencies(fuzzers limit_file_fuzz limit_file_fuzz_seeds)
endif()
