#!/bin/sh
# Runs the desktop editing test in a scratch home, so that the toolkit's settings and the print
# dialog's choices start the same every time. Skipped (77) without xdotool or pdftoppm.
for tool in xdotool pdftoppm; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool not found: test skipped"
    exit 77
  fi
done
home="$PWD/editing-home"
rm -rf "$home" && mkdir -p "$home/work" || exit 1
export HOME="$home" XDG_CONFIG_HOME="$home/.config" GSETTINGS_BACKEND=memory
# Its own working folder: the other desktop test prints a file of the same name.
cd "$home/work" || exit 1
exec "$@"
