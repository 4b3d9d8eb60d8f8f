#!/bin/sh
# Runs a test program on a virtual display with true colour. Without xvfb-run or ImageMagick's
# import (the screenshots) the test is skipped: exit status 77.
for tool in xvfb-run xauth import; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool not found: test skipped"
    exit 77
  fi
done
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
