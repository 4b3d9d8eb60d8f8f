#!/bin/sh
# The desktop program on a circuit file, driven as a user would with xdotool: it shows the
# circuit in a tab under the menu bar and bars (the screen is kept as vostrane.png for review),
# Ctrl+N opens a second tab, Ctrl+S in the new circuit asks for a file name, the window menu
# goes back to the first tab, and printing it to a file gives one A4 page, as "vostrane-cli
# print" does. Started again on RESISTOR.vqe, whose first resistor lies between (200, 100) and
# (300, 100), a double click on that resistor opens its dialog, laid out as the headless render
# of template 201 (same_layout.sh says how close).
# Usage: starts.sh VOSTRANE VOSTRANE-CLI CIRCUIT.vqe RESISTOR.vqe (on a display, in a scratch
# folder).
for tool in xdotool pdfinfo; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool not found: test skipped"
    exit 77
  fi
done
home="$PWD/desktop-home"
rm -rf "$home" && mkdir -p "$home" || exit 1
export HOME="$home" XDG_CONFIG_HOME="$home/.config" GSETTINGS_BACKEND=memory
# Copies: nothing the program does may change the examples.
circuit=$(basename "$3")
cp "$3" "$4" "$home/" || exit 1

fail() {
  echo "$*"
  import -window root vostrane-failed.png
  kill "$pid" 2>/dev/null
  exit 1
}
title() { xdotool getwindowname "$win"; }
# Waits up to ten seconds for a window whose name matches.
await() {
  timeout 10 xdotool search --sync --onlyvisible --name "$1" >/dev/null 2>&1
}

# Starts the program on a file and waits for its main window.
start() {
  "$1" "$home/$2" &
  pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vostrane' | head -n 1)
  [ -n "$win" ] || fail "no main window"
  sleep 2
}
# The first black pixel of the screen in column $1 (rows from the top), or in row $2 (columns
# from the left): the frame of the circuit's view.
first_black() {
  if [ -n "$1" ]; then crop="1x1024+$1+0"; else crop="1280x1+0+$2"; fi
  import -window root -crop "$crop" txt:- | grep -m 1 '#000000' |
    sed 's/^\([0-9]*\),\([0-9]*\).*/\1 \2/'
}

start "$1" "$circuit"
[ "$(title)" = "Vostrane - $circuit" ] || fail "title: $(title)"
import -window root vostrane.png

xdotool windowfocus --sync "$win"
xdotool key ctrl+n
sleep 1
[ "$(title)" = "Vostrane - Schaltung1" ] || fail "Ctrl+N: $(title)"

xdotool key ctrl+s
await '^Speichern unter$' || fail "Ctrl+S opened no save dialog"
xdotool key Escape
sleep 1

# Back to the circuit's tab (the window menu's first entry), then print it to a file.
xdotool key alt+f 1
sleep 1
[ "$(title)" = "Vostrane - $circuit" ] || fail "window menu: $(title)"
xdotool key ctrl+p
await '^Drucken$' || fail "Ctrl+P opened no print dialog"
sleep 1
# The only printer is "Print to File", into the current folder under the circuit's name.
rm -f "${circuit%.vqe}.pdf"
xdotool key Down Return
sleep 3
printed="${circuit%.vqe}.pdf"
[ -s "$printed" ] || fail "the print to file wrote nothing"
"$2" print "$home/$circuit" cli.pdf || fail "vostrane-cli print failed"
pages() { pdfinfo "$1" | grep -E '^(Pages|Page size):'; }
[ "$(pages "$printed")" = "$(pages cli.pdf)" ] || fail "printed pages: $(pages "$printed")"

kill "$pid"
wait "$pid" 2>/dev/null

start "$1" "$(basename "$4")"
# The view's client area starts at its frame; a drawing unit is a pixel.
top=$(first_black 1100 "" | cut -d' ' -f2)
left=$(first_black "" $((top + 300)) | cut -d' ' -f1)
[ -n "$top" ] && [ -n "$left" ] || fail "no view frame"
xdotool mousemove $((left + 250)) $((top + 100)) click --repeat 2 --delay 80 1
await '^Widerstand$' || fail "a double click on the resistor opened no dialog"
sleep 1
import -window "$(xdotool search --onlyvisible --name '^Widerstand$' | head -n 1)" resistor.png
"$2" render-dialog 201 resistor201.png || fail "vostrane-cli render-dialog failed"
why=$("$(dirname "$0")/same_layout.sh" resistor.png resistor201.png) ||
  fail "the resistor's dialog differs from its template: $why"

kill "$pid"
wait "$pid" 2>/dev/null
exit 0
