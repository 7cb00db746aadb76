# The Debian packages: `cpack -G DEB` in the build folder writes tezvan_VERSION_ARCH.deb, both
# programs with all they install, and tezvan-dbgsym_VERSION_ARCH.deb, the programs' debug
# symbols (cmake/DebugSymbols.cmake). The programs' library dependencies come from
# dpkg-shlibdeps, so they are the packages of the system it was built on (Debian 12's Qt 6,
# libjpeg, libpulse...).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tezvan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The makers and their address: desktop/CMakeLists.txt holds them for the windows too.
set(CPACK_PACKAGE_VENDOR "${TEZVAN_MAKERS}")
set(CPACK_PACKAGE_CONTACT "${TEZVAN_MAKERS} <${TEZVAN_CONTACT_ADDRESS}>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TEZVAN_HOME_PAGE})
set(CPACK_DEBIAN_PACKAGE_SOURCE tezvan)

# One package per component: the programs (every install rule's default component) and,
# where the build carries debug information (the run preset's does), their symbols.
set(CPACK_DEB_COMPONENT_INSTALL ON)
string(TOUPPER "${CMAKE_BUILD_TYPE}" config)
set(CPACK_COMPONENTS_ALL ${CMAKE_INSTALL_DEFAULT_COMPONENT_NAME})
set(kept_symbols)
if(" ${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${config}} " MATCHES " -g")
  list(APPEND CPACK_COMPONENTS_ALL dbgsym)
  set(kept_symbols "KEPT \"${CMAKE_BINARY_DIR}/debug-symbols\"")
endif()
string(TOUPPER ${CMAKE_INSTALL_DEFAULT_COMPONENT_NAME} PROGRAMS)

set(CPACK_DEBIAN_${PROGRAMS}_PACKAGE_NAME tezvan)
set(CPACK_DEBIAN_${PROGRAMS}_PACKAGE_SECTION sound)
# Lines under 80 columns: dpkg shows them as they are.
set(CPACK_DEBIAN_${PROGRAMS}_DESCRIPTION "virtual saz played from the computer keyboard
Two programs that turn the computer keyboard into a saz, the Turkish
long-necked lute: tezvan, a compact window of fourteen note buttons that
records what is played with its rhythm, edits and replays it and keeps it
in .tnl note lists; and tezvan2, a picture saz with 22 notes on 23 keys and
a note grid of names and durations.")
set(CPACK_DEBIAN_${PROGRAMS}_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, not linked, so dpkg-shlibdeps cannot see it: Qt's own Turkish, which
# both programs load for the texts of Qt's dialogs (the buttons of every box, the colour
# picker, the file dialogs).
set(CPACK_DEBIAN_${PROGRAMS}_PACKAGE_DEPENDS "qt6-translations-l10n")
# Not libraries, so dpkg-shlibdeps cannot see them: the icon theme the icons go into, the
# fonts for the windows' texts (the metric twins of their design fonts among them), and the
# tools the per-user file-type registration runs.
set(CPACK_DEBIAN_${PROGRAMS}_PACKAGE_RECOMMENDS "hicolor-icon-theme, fonts-dejavu-core, fonts-liberation2, xdg-utils, shared-mime-info, desktop-file-utils")

# The programs go in stripped, naming their symbols' file where that is packaged.
set(CPACK_STRIP_FILES ON)
set(tezvan_programs $<TARGET_FILE:tezvan> $<TARGET_FILE:tezvan2>)
# Not on Windows, whose programs are no ELF files.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP AND NOT CMAKE_HOST_WIN32)
    include(\"${CMAKE_CURRENT_LIST_DIR}/DebugSymbols.cmake\")
    finish_stripped_programs(${kept_symbols}
      BUILT ${tezvan_programs}
      INSTALLED \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:tezvan>\"
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:tezvan2>\")
  endif()")
# Their symbols, as Debian's dbgsym packages hold them: only in the package, since a plain
# install keeps the symbols in the programs.
install(CODE "
  include(\"${CMAKE_CURRENT_LIST_DIR}/DebugSymbols.cmake\")
  install_debug_symbols(\"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\" ${tezvan_programs})
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/doc\")
  file(CREATE_LINK tezvan \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DOCDIR}-dbgsym\" SYMBOLIC)"
  COMPONENT dbgsym EXCLUDE_FROM_ALL)
set(CPACK_DEBIAN_DBGSYM_PACKAGE_NAME tezvan-dbgsym)
set(CPACK_DEBIAN_DBGSYM_PACKAGE_SECTION debug)
set(CPACK_DEBIAN_DBGSYM_DESCRIPTION "debug symbols for tezvan")
set(CPACK_DEBIAN_DBGSYM_PACKAGE_DEPENDS "tezvan (= ${PROJECT_VERSION})")
include(CPack)
