#!/bin/sh
# Runs tezvan2_note_on_latency inside a private PulseAudio daemon with a null sink (in a
# temporary folder, stopped and removed afterwards). Prints the bench's figure last.
# Usage: tezvan2_note_on_latency.sh BUILD_DIR [NOTES]
set -eu
build=${1:?usage: tezvan2_note_on_latency.sh BUILD_DIR [NOTES]}
notes=${2:-600}
tmp=$(mktemp -d /tmp/tezvan2-latency-XXXXXX)
mkdir -p "$tmp/home" "$tmp/run" && chmod 700 "$tmp/run"
export HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/run" QT_QPA_PLATFORM=offscreen
unset PULSE_SERVER PULSE_SINK DISPLAY || true
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --realtime=yes --high-priority=yes \
  --log-target="file:$tmp/pulse.log" -L "module-null-sink sink_name=bench" -L module-native-protocol-unix &
pulse=$!
trap 'kill "$pulse" 2>/dev/null; wait "$pulse" 2>/dev/null; rm -rf "$tmp"' EXIT
i=0
until pactl info >/dev/null 2>&1; do
  i=$((i + 1)); [ "$i" -lt 100 ] || { echo "pulseaudio did not come up" >&2; exit 1; }
  sleep 0.1
done
"$build/bench/tezvan2_note_on_latency" "$build/tezvan2" "$notes"
