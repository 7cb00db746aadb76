#!/bin/sh
# See session_bench.py: a private X server and sound server (--server pulseaudio|pipewire)
# with a null sink, cleaned up afterwards.
# Usage: rss.sh [options] -- PROGRAM [ARGS...]   (--help for the options)
exec python3 "$(dirname "$0")/session_bench.py" rss "$@"
