#!/bin/sh
# Runs a desktop test in a scratch home, so that the toolkit's settings and the print dialog's
# choices start the same every time. Skipped (77) without xdotool or pdftoppm.
for tool in xdotool pdftoppm; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool not found: test skipped"
    exit 77
  fi
done
# A home of its own for each run, as the desktop tests run side by side; kept when the test fails,
# for its screenshots.
home=$(mktemp -d "$PWD/editing-home.XXXXXX") && mkdir -p "$home/work" || exit 1
export HOME="$home" XDG_CONFIG_HOME="$home/.config" GSETTINGS_BACKEND=memory
cd "$home/work" || exit 1
"$@"
status=$?
if [ "$status" -eq 0 ]; then
  rm -rf "$home"
else
  echo "kept for review: $home/work"
fi
exit $status
