#!/usr/bin/env bash
# A user's session under Xvfb with the real editor window: load a level by keys and clicks only,
# save it under a new name, and compare the file written. Skips (77) without Xvfb or xdotool.
set -uo pipefail
editor=$1
data=$2
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb/xdotool"; exit 77; }

work=$(mktemp -d)
display=":$((90 + RANDOM % 400))"
cleanup() {
  [ -n "${editor_pid:-}" ] && kill "$editor_pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The editor starts in its own folder: give it one with a level in it.
cp "$editor" "$work/quobix-editor"
cp "$data/hall.qbx" "$work/hall.qbx"

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
QT_QPA_PLATFORM=xcb "$work/quobix-editor" >"$work/editor.log" 2>&1 &
editor_pid=$!

wait_window() { # name -> window id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
click_at() { # window x y
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}

main=$(wait_window "Quobix level editor") || fail "the editor did not open"
# Without a window manager nothing takes the focus by itself.
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers ctrl+o
load=$(wait_window "Load Level") || fail "Load Level did not open"
# The file list (left 62, top 151) holds hall.qbx as its first entry.
click_at "$load" 100 158
sleep 0.3
xdotool key --clearmodifiers Return
for _ in $(seq 100); do
  title=$(xdotool getwindowname "$main")
  [ "$title" = "Quobix level editor: Level $work/hall.qbx" ] && break
  sleep 0.1
done
[ "$title" = "Quobix level editor: Level $work/hall.qbx" ] || fail "title after loading: $title"

xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers ctrl+shift+s
save=$(wait_window "Save Level") || fail "Save Level did not open"
sleep 0.3
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "copy"
xdotool key --clearmodifiers Return
for _ in $(seq 100); do [ -f "$work/copy.qbx" ] && break; sleep 0.1; done
sleep 0.3
cmp "$work/copy.qbx" "$data/hall.qbx" || fail "the file written differs from the level loaded"
title=$(xdotool getwindowname "$main")
[ "$title" = "Quobix level editor: Level $work/copy.qbx" ] || fail "title after saving: $title"
echo "loaded and saved under Xvfb"
