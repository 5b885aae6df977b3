# Sourced by the Xvfb tests: a private X server and the real editor in it, with waits on
# conditions only. Needs $work (a scratch folder). Every wait gives up after $limit seconds and
# prints the server's and the editor's logs.

limit=${QUOBIX_XVFB_LIMIT:-30}
xvfb_pid=""
editor_pid=""

session_cleanup() {
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}

fail() {
  echo "FAIL: $*"
  for log in "$work/xvfb.log" "$work/editor.log"; do
    [ -s "$log" ] && { echo "--- $(basename "$log"):"; tail -n 40 "$log"; }
  done
  exit 1
}

alive() { [ -n "$1" ] && kill -0 "$1" 2>/dev/null; }

# One step of a wait: fails when the limit has passed or the server or the editor (once
# started) has died.
still_waiting() { # what deadline
  alive "$xvfb_pid" || fail "the X server died while waiting for $1"
  [ -z "$editor_pid" ] || alive "$editor_pid" || fail "the editor died while waiting for $1"
  [ $SECONDS -lt "$2" ] || fail "no $1 within $limit s"
  sleep 0.05
}

wait_for() { # what command...: runs the command until it succeeds
  local what=$1 deadline=$((SECONDS + limit))
  shift
  until "$@"; do still_waiting "$what" "$deadline"; done
}

# The server picks a free display itself and names it once it accepts connections, so a display
# taken by another server or a slow first start cannot confuse the test.
start_xvfb() {
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  wait_for "display number from Xvfb" grep -q '^[0-9][0-9]*$' "$work/display"
  export DISPLAY=":$(cat "$work/display")"
}

window_named() { # title pattern -> id of the first visible window
  local id
  id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
  [ -n "$id" ] && echo "$id"
}

# Starts the editor and waits for its main window. A start that the server drops at once ("could
# not connect to display") is tried again, a few times, each logged; any other failure fails.
start_editor() { # program [args...]
  local attempt
  for attempt in 1 2 3 4 5; do
    QT_QPA_PLATFORM=xcb "$@" >"$work/editor.log" 2>&1 &
    editor_pid=$!
    local deadline=$((SECONDS + limit))
    while alive "$editor_pid" && ! window_named "^Quobix level editor" >/dev/null; do
      [ $SECONDS -lt $deadline ] || fail "the editor's window did not appear within $limit s"
      sleep 0.05
    done
    alive "$editor_pid" && return 0
    wait "$editor_pid" 2>/dev/null
    editor_pid=""
    grep -q "could not connect to display" "$work/editor.log" || fail "the editor did not start"
    echo "attempt $attempt: the server dropped the editor's connection; starting it again"
  done
  fail "the editor could not connect to the X server in 5 attempts"
}

wait_window() { # title pattern, variable that receives the window id
  local deadline=$((SECONDS + limit)) id
  until id=$(window_named "$1"); do still_waiting "a window named '$1'" "$deadline"; done
  printf -v "$2" '%s' "$id"
}

click_at() { # window x y
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
}

title_is() { [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "$2" ]; }
