#!/bin/sh
# Runs a test on the current X display under a window manager of its own (openbox), started
# first and ended after. The test learns that one runs from TEZVAN_WINDOW_MANAGER; where none
# takes the display within 30 s (it names its own window on the root) the test skips.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 300); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    export TEZVAN_WINDOW_MANAGER=openbox
    break
  fi
  sleep 0.1
done
"$@"
status=$?
kill "$wm" 2>/dev/null
exit $status
