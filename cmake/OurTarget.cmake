include(GoogleTest)

# Warnings and text rules for every target of ours.
function(our_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -pedantic)
  if(TEZVAN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  # Every text crosses between QString and bytes deliberately, in a named encoding.
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
endfunction()

# The headers of a library as other targets include them, "<prefix>/<Header.h>": each library
# has an include folder of its own in the build tree, holding links to the headers of its
# source list, and only that folder is its public include path. So a header is found only by
# targets that link its library, and an include against the direction of the dependencies
# fails to compile. Inside a library, its files include each other by bare name.
# The links are made when the directory's CMakeLists.txt is done, so headers added by later
# target_sources lines count too.
function(our_headers target prefix)
  set(folder ${CMAKE_BINARY_DIR}/include/${target})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${folder})
  else()
    target_include_directories(${target} PUBLIC ${folder})
  endif()
  cmake_language(EVAL CODE
    "cmake_language(DEFER CALL _our_link_headers [[${target}]] [[${folder}/${prefix}]])")
endfunction()

function(_our_link_headers target folder)
  get_target_property(sources ${target} SOURCES)
  set(wanted)
  foreach(source IN LISTS sources)
    if(source MATCHES "\\.h$")
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
      cmake_path(GET source FILENAME name)
      list(APPEND wanted ${name})
      set(link ${folder}/${name})
      set(points_to "")
      if(IS_SYMLINK ${link})
        file(READ_SYMLINK ${link} points_to)
      endif()
      if(NOT points_to STREQUAL source)
        file(MAKE_DIRECTORY ${folder})
        file(CREATE_LINK ${source} ${link} SYMBOLIC COPY_ON_ERROR)
      endif()
    endif()
  endforeach()
  # A header taken off the list is no longer found.
  file(GLOB present RELATIVE ${folder} LIST_DIRECTORIES false ${folder}/*)
  foreach(name IN LISTS present)
    if(NOT name IN_LIST wanted)
      file(REMOVE ${folder}/${name})
    endif()
  endforeach()
endfunction()

# One GoogleTest executable per test file, each of its cases run headless by CTest (PROPERTIES
# as our_cases takes them).
function(our_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  our_target(${name})
  target_link_libraries(${name} PRIVATE test_support ${T_LIBS})
  our_cases(${name} PROPERTIES ${T_PROPERTIES})
endfunction()

# The cases of a GoogleTest executable, each a CTest entry of its own named
# "<ENTRY>.<Suite>.<Case>" (ENTRY is the executable's name unless given), so a failure names
# its case and `ctest -R <ENTRY>` still runs them all.
#   FILTER       the cases wanted, in --gtest_filter's form
#   WRAPPER      a command each case runs inside (a private X display)
#   ENVIRONMENT  VAR=VALUE pairs; offscreen and without sound unless given
#   PROPERTIES   further CTest properties (RESOURCE_LOCK, RUN_SERIAL...); TIMEOUT 300 unless given
# The cases are listed when CTest starts (PRE_TEST), not by the build: so the listing runs in
# the environment the cases run in (under the sanitizers, the test preset's leak
# suppressions) and a build never starts a private X display.
function(our_cases target)
  cmake_parse_arguments(C "" "ENTRY;FILTER" "WRAPPER;ENVIRONMENT;PROPERTIES" ${ARGN})
  if(NOT C_ENTRY)
    set(C_ENTRY ${target})
  endif()
  if(NOT C_ENVIRONMENT)
    set(C_ENVIRONMENT QT_QPA_PLATFORM=offscreen QT_AUDIO_BACKEND=none)
  endif()
  if(NOT "TIMEOUT" IN_LIST C_PROPERTIES)
    list(APPEND C_PROPERTIES TIMEOUT 300)
  endif()
  # The module reads the wrapper off the target when called, for listing and running alike;
  # it is cleared after, so another call on the same executable may run it bare.
  set_property(TARGET ${target} PROPERTY CROSSCOMPILING_EMULATOR ${C_WRAPPER})
  gtest_discover_tests(${target} TEST_PREFIX ${C_ENTRY}. TEST_FILTER "${C_FILTER}"
    TEST_LIST ${C_ENTRY}_cases NO_PRETTY_VALUES DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  set_property(TARGET ${target} PROPERTY CROSSCOMPILING_EMULATOR)
  # The module's PROPERTIES loses the separators of a list (ENVIRONMENT's), so the properties
  # are set by a file of our own that CTest reads once the cases are known.
  set(properties "ENVIRONMENT [==[${C_ENVIRONMENT}]==]")
  foreach(word IN LISTS C_PROPERTIES)
    string(APPEND properties " [==[${word}]==]")
  endforeach()
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${C_ENTRY}_properties.cmake)
  file(WRITE ${file} "if(${C_ENTRY}_cases)\n"
    "  set_tests_properties(\${${C_ENTRY}_cases} PROPERTIES ${properties})\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()
