# The Debian package of both programs: `cpack -G DEB` in the build folder writes
# tezvan_VERSION_ARCH.deb. Its library dependencies come from dpkg-shlibdeps, so they are
# the packages of the system it was built on (Debian 12's Qt 6, libjpeg, libpulse...).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tezvan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The makers and their address: desktop/CMakeLists.txt holds them for the windows too.
set(CPACK_PACKAGE_VENDOR "${TEZVAN_MAKERS}")
set(CPACK_PACKAGE_CONTACT "${TEZVAN_MAKERS} <${TEZVAN_CONTACT_ADDRESS}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "virtual saz played from the computer keyboard")
set(CPACK_PACKAGE_DESCRIPTION
  "Two programs that turn the computer keyboard into a saz, the Turkish long-necked lute:
tezvan, a compact window of fourteen note buttons that records what is played with its
rhythm, edits and replays it and keeps it in .tnl note lists; and tezvan2, a picture saz
with 22 notes on 23 keys and a note grid of names and durations.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TEZVAN_HOME_PAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, not linked, so dpkg-shlibdeps cannot see it: Qt's own Turkish, which
# both programs load for the texts of Qt's dialogs (the buttons of every box, the colour
# picker, the file dialogs).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# Not libraries, so dpkg-shlibdeps cannot see them: the icon theme the icons go into, the
# fonts for the windows' texts (the metric twins of their design fonts among them), and the
# tools the per-user file-type registration runs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, fonts-dejavu-core, fonts-liberation2, xdg-utils, shared-mime-info, desktop-file-utils")
include(CPack)
