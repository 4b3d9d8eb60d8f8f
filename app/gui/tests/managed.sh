#!/bin/sh
# Runs a desktop test under a small window manager (openbox) on the display, as on a user's
# desktop, in the scratch home of editing.sh. Skipped (77) without openbox.
if ! command -v openbox >/dev/null 2>&1; then
  echo "openbox not found: test skipped"
  exit 77
fi
here=$(dirname "$0")
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
# The window manager has taken the display once it names itself on the root window.
for _ in 1 2 3 4 5 6 7 8 9 10; do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
  sleep 0.5
done
VOSTRANE_WINDOW_MANAGER=openbox "$here/editing.sh" "$@"
status=$?
kill "$manager" 2>/dev/null
wait "$manager" 2>/dev/null
exit $status
