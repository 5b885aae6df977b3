#!/usr/bin/env bash
# A user's session under Xvfb with the real editor window, by keys and clicks only: load a level,
# save it under a new name and compare the file written; paint a cell, then Ctrl+Z gives the grid
# back pixel for pixel and Ctrl+Shift+Z paints it again. Skips (77) without the tools.
set -uo pipefail
editor=$1
data=$2
for tool in Xvfb xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "no $tool"; exit 77; }
done

work=$(mktemp -d)
source "$(dirname "$0")/session.sh"
trap 'session_cleanup; rm -rf "$work"' EXIT

# The editor starts in its own folder: give it one with a level in it.
cp "$editor" "$work/quobix-editor"
cp "$data/hall.qbx" "$work/hall.qbx"

start_xvfb
start_editor "$work/quobix-editor"
wait_window "^Quobix level editor" main
# Without a window manager nothing takes the focus by itself.
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers ctrl+o
wait_window "^Load Level" load
# The file list (left 62, top 151) holds hall.qbx as its first entry.
click_at "$load" 100 158
xdotool key --clearmodifiers Return
wait_for "the loaded level's title" title_is "$main" "Quobix level editor: Level $work/hall.qbx"

xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers ctrl+shift+s
wait_window "^Save Level" save
xdotool windowfocus --sync "$save"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "copy"
xdotool key --clearmodifiers Return
# The file appears whole: it is written aside and renamed into place.
wait_for "copy.qbx" test -f "$work/copy.qbx"
cmp "$work/copy.qbx" "$data/hall.qbx" || fail "the file written differs from the level loaded"
wait_for "the saved level's title" title_is "$main" "Quobix level editor: Level $work/copy.qbx"

# The grid band of the window, below the menu bar and above the status line.
grid() { import -window "$main" -crop 760x440+10+60 +repage "$work/$1.png"; }
same() { [ "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1)" = "0" ]; }
xdotool windowfocus --sync "$main"
grid before
click_at "$main" 300 254
wait_for "the painted cell" eval 'grid painted; ! same before painted'
xdotool key --clearmodifiers ctrl+z
wait_for "the cell undone" eval 'grid undone; same before undone'
xdotool key --clearmodifiers ctrl+shift+z
wait_for "the cell redone" eval 'grid redone; same painted redone'
echo "loaded, saved, painted, undone and redone under Xvfb"
