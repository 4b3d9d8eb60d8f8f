#!/bin/sh
# Runs a test program on a virtual display of its own with true colour. The server picks a free
# display number itself (-displayfd), so tests may start their displays at the same time. Without
# Xvfb or ImageMagick's import (the screenshots) the test is skipped: exit status 77.
for tool in Xvfb import; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool not found: test skipped"
    exit 77
  fi
done
number=$(mktemp) || exit 1
# Without the keyboard's auto-repeat (-r): on a busy machine the input tool may be held up between
# a key's press and its release for longer than the repeat delay, and the key would act twice.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -r 3>"$number" 2>/dev/null &
server=$!
# The number is written once the server takes connections.
for _ in $(seq 100); do
  [ -s "$number" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
display=$(head -n 1 "$number")
rm -f "$number"
if [ -z "$display" ]; then
  echo "the virtual display did not start"
  kill "$server" 2>/dev/null
  exit 1
fi
DISPLAY=":$display" "$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
exit $status
