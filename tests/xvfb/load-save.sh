#!/usr/bin/env bash
# A user's session under Xvfb with the real editor window: load a level by keys and clicks only,
# save it under a new name, and compare the file written. Skips (77) without Xvfb or xdotool.
set -uo pipefail
editor=$1
data=$2
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb/xdotool"; exit 77; }

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
echo "loaded and saved under Xvfb"
