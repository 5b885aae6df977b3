#!/usr/bin/env bash
# Under Xvfb with the real window: a click paints a cell, Ctrl+Z gives the grid back pixel for
# pixel. Skips (77) without Xvfb, xdotool or ImageMagick's import.
set -uo pipefail
editor=$1
for tool in Xvfb xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "no $tool"; exit 77; }
done

work=$(mktemp -d)
source "$(dirname "$0")/session.sh"
trap 'session_cleanup; rm -rf "$work"' EXIT

start_xvfb
start_editor "$editor"
wait_window "^Quobix level editor" main
xdotool windowfocus --sync "$main"

# The grid band of the window, below the menu bar and above the status line.
grid() { import -window "$main" -crop 760x440+10+60 +repage "$work/$1.png"; }
same() { [ "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1)" = "0" ]; }

grid before
click_at "$main" 300 254
wait_for "the painted cell" eval 'grid painted; ! same before painted'
xdotool key --clearmodifiers ctrl+z
wait_for "the cell undone" eval 'grid undone; same before undone'
xdotool key --clearmodifiers ctrl+shift+z
wait_for "the cell redone" eval 'grid redone; same painted redone'
echo "Ctrl+Z and Ctrl+Shift+Z under Xvfb"
