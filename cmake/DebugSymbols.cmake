# The programs' debug symbols kept apart from the programs, as Debian's -dbgsym packages keep
# them; included while installing (see cmake/Package.cmake). A program's symbols go to
# lib/debug/.build-id/XX/YYYY.debug, XX YYYY its build id, where debuggers look for them.

# Where under the prefix the symbols of program (the built one, with its symbols) go.
function(symbols_path program out)
  execute_process(COMMAND readelf --notes ${program} OUTPUT_VARIABLE notes RESULT_VARIABLE failed)
  if(failed OR NOT notes MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
    message(FATAL_ERROR "${program} carries no build id")
  endif()
  set(${out} lib/debug/.build-id/${CMAKE_MATCH_1}/${CMAKE_MATCH_2}.debug PARENT_SCOPE)
endfunction()

# Writes program's symbols into file, readable by all and executable by none.
function(write_symbols program file)
  get_filename_component(folder ${file} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  execute_process(COMMAND objcopy --only-keep-debug --compress-debug-sections ${program} ${file}
    COMMAND_ERROR_IS_FATAL ANY)
  file(CHMOD ${file} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()

# The symbols' package: each program's symbols under root (the prefix it is installed to).
function(install_debug_symbols root)
  foreach(program IN LISTS ARGN)
    symbols_path(${program} path)
    write_symbols(${program} ${root}/${path})
  endforeach()
endfunction()

# The programs' package, once stripped: each installed program (INSTALLED, built as BUILT)
# drops what a stripped program has no use for and, where the symbols are packaged (KEPT
# given), names its symbols' file, whose checksum the link carries; that file is written
# in KEPT, the same bytes as the symbols' package holds.
function(finish_stripped_programs)
  cmake_parse_arguments(arg "" "KEPT" "BUILT;INSTALLED" ${ARGN})
  foreach(program installed IN ZIP_LISTS arg_BUILT arg_INSTALLED)
    set(link)
    if(arg_KEPT)
      symbols_path(${program} path)
      write_symbols(${program} ${arg_KEPT}/${path})
      set(link --add-gnu-debuglink=${arg_KEPT}/${path})
    endif()
    execute_process(COMMAND objcopy --remove-section=.comment --remove-section=.note ${link}
      ${installed} COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endfunction()
