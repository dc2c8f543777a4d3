# One fuzz target: its corpus replayed as a test by a plain program, built
# with whatever compiler and sanitizers this build uses; and, with
# TORVALY_BUILD_FUZZER, the libFuzzer program itself (clang only), with
# coverage feedback from the libraries named in COVERAGE as well as from the
# target.
#
#   torvaly_fuzz_target(NAME engine SOURCE EngineFuzzTarget.cpp
#                       LIBRARY torvaly_engine COVERAGE torvaly_engine ...)
#
# makes torvaly_NAME_fuzz_replay, the test NAME_fuzz_corpus on the folder
# corpus/ beside the source, and torvaly_NAME_fuzzer.
function(torvaly_fuzz_target)
  cmake_parse_arguments(FUZZ "" "NAME;SOURCE;LIBRARY" "COVERAGE" ${ARGN})
  set(replay torvaly_${FUZZ_NAME}_fuzz_replay)
  add_executable(${replay} ${FUZZ_SOURCE} ${PROJECT_SOURCE_DIR}/tests/support/FuzzReplayMain.cpp)
  target_include_directories(${replay} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  target_link_libraries(${replay} PRIVATE ${FUZZ_LIBRARY})
  add_test(NAME ${FUZZ_NAME}_fuzz_corpus COMMAND ${replay} ${CMAKE_CURRENT_SOURCE_DIR}/corpus)
  set_tests_properties(${FUZZ_NAME}_fuzz_corpus PROPERTIES TIMEOUT 300)

  if(TORVALY_BUILD_FUZZER)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
      message(FATAL_ERROR "TORVALY_BUILD_FUZZER needs clang (for instance -DCMAKE_CXX_COMPILER=clang++-14)")
    endif()
    set(fuzzer torvaly_${FUZZ_NAME}_fuzzer)
    add_executable(${fuzzer} ${FUZZ_SOURCE})
    target_include_directories(${fuzzer} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_compile_options(${fuzzer} PRIVATE -fsanitize=fuzzer)
    target_link_options(${fuzzer} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${fuzzer} PRIVATE ${FUZZ_LIBRARY})
    foreach(library IN LISTS FUZZ_COVERAGE)
      target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link)
    endforeach()
  endif()
endfunction()
