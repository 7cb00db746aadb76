#!/bin/sh
# Runs a command (an in-process bench such as voice_note_on_latency) inside a private sound
# server with a null sink and a private X display, cleaned up afterwards.
# Usage: with_null_sink.sh [--server pulseaudio|pipewire] [--no-display] -- COMMAND [ARGS...]
exec python3 "$(dirname "$0")/session_bench.py" run "$@"
