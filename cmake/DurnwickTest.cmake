# durnwick_test(name SOURCES ... LIBS ...): one GoogleTest program, run by ctest
# (under Wine in the cross build).
function(durnwick_test name)
  if(NOT TARGET gtest_main)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  if(CMAKE_CROSSCOMPILING)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix TIMEOUT 600)
  endif()
endfunction()
