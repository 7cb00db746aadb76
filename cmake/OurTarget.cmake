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
