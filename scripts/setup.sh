#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building and running both programs
# (with --tests, also for testing and measuring them), then configures and builds them.
# Quiet when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libjpeg-dev libgtest-dev libpulse-dev libsoxr-dev
  fonts-dejavu-core
)
# Tests and benches: a private X display driven by keys, and private sound servers of both
# kinds (PulseAudio, and PipeWire with WirePlumber and its PulseAudio server on a session bus).
if [ "${1:-}" = "--tests" ]; then
  packages+=(
    xvfb xauth xdotool x11-utils imagemagick
    pulseaudio pulseaudio-utils pipewire pipewire-pulse wireplumber dbus dbus-daemon
  )
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

preset="${TEZVAN_PRESET:-release}"
log="build/$preset.log"
mkdir -p build
# Output only when something goes wrong.
quietly() { "$@" >"$log" 2>&1 || { cat "$log"; exit 1; }; }
[ -f "build/$preset/build.ninja" ] || quietly cmake --preset "$preset"
quietly cmake --build --preset "$preset"
