#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, then configures and builds one preset:
#   scripts/setup.sh [--tests] [PRESET]
# Without --tests: what building, running and packaging both programs needs, and the "run"
# preset (the two programs alone). With --tests: also GoogleTest and the tools the tests and
# benches drive (a private X display, keys, private sound servers of both kinds, the
# desktop's validators and launcher), and the "release" preset (programs, tests and
# benches). Quiet when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

tests=false
if [ "${1:-}" = "--tests" ]; then
  tests=true
  shift
fi

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libjpeg-dev libpulse-dev libsoxr-dev
  # The live MIDI ports (the ALSA sequencer, JACK where asked).
  librtmidi-dev
  # The keyboard layout in use, read from the X server, names the keys in the key window.
  libxkbcommon-x11-dev
  # Qt's own Turkish, for the texts of its dialogs (both programs load it at start).
  qt6-translations-l10n
  fonts-dejavu-core
  # Metric twins of the window's design fonts (Arial and the like), at their pixel heights.
  fonts-liberation2
  # tezvan calls these to register its note files for the user.
  xdg-utils shared-mime-info desktop-file-utils
  # The Debian package (scripts/package.sh): dpkg-shlibdeps and the file type of each file.
  dpkg-dev file
)
# The test tools come with the test command alone: installing PulseAudio on a desktop that
# runs PipeWire can take that desktop's sound away.
if $tests; then
  packages+=(
    libgtest-dev python3
    appstream libglib2.0-bin
    # The Debian packages' checker.
    lintian
    xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick
    # A real window manager, for what only one does (minimising the program's windows together).
    openbox
    pulseaudio pulseaudio-utils pipewire pipewire-pulse wireplumber dbus dbus-daemon
    # PipeWire's JACK library: the MIDI ports' test runs on the private PipeWire's JACK.
    pipewire-jack
    # An exported MIDI file read back by another reader and sounded by another synthesiser.
    python3-mido fluidsynth fluid-soundfont-gm
  )
fi
if $tests; then preset="${1:-release}"; else preset="${1:-run}"; fi
# The fuzz targets are built with clang and its libFuzzer.
if [ "$preset" = fuzz ]; then
  packages+=(clang libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

log="build/$preset.log"
mkdir -p build
# Output only when something goes wrong.
quietly() { "$@" >"$log" 2>&1 || { cat "$log"; exit 1; }; }
[ -f "build/$preset/build.ninja" ] || quietly cmake --preset "$preset"
quietly cmake --build --preset "$preset"
