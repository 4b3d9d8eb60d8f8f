#!/bin/sh
# The desktop program starts and runs until it is stopped; the screen it shows is kept as
# vostrane.png. Usage: starts.sh PROGRAM (on a display).
"$1" &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
  echo "vostrane ended by itself"
  exit 1
fi
import -window root vostrane.png
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
