# Warnings and text rules for every target of ours.
function(our_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -pedantic)
  if(TEZVAN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII)
endfunction()

# One GoogleTest executable per test file, run headless by CTest.
function(our_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  our_target(${name})
  target_link_libraries(${name} PRIVATE test_support ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_AUDIO_BACKEND=none"
    TIMEOUT 300)
endfunction()
