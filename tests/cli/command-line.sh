#!/usr/bin/env bash
# The built program's command line as a user meets it in a shell: answers, messages and exit
# codes, with no display at all. Arguments: the program and the folder of sample levels.
set -uo pipefail
editor=$1
levels=$2
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null; rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$work/runtime"
failures=0

# A file matches a pattern, or is empty where the pattern is "-".
matches() { if [ "$1" = - ]; then [ ! -s "$2" ]; else grep -Eq -- "$1" "$2"; fi; }

# expect STATUS STDERR-PATTERN STDOUT-PATTERN -- ARGS...: one run of the program from $work/levels
expect() {
  local status=$1 err=$2 out=$3
  shift 4
  (cd "$work/levels" && "$editor" "$@" >"$work/out" 2>"$work/err")
  local got=$?
  if [ "$got" != "$status" ] || ! matches "$err" "$work/err" || ! matches "$out" "$work/out"; then
    echo "FAIL: quobix-editor $* gave $got (wanted $status)"
    echo "  stderr: $(cat "$work/err")"
    echo "  stdout: $(cat "$work/out")"
    failures=$((failures + 1))
  fi
}

mkdir -p "$work/levels"
cp "$levels/ring.qbx" "$levels/invalid-two-men.qbx" "$work/levels/"
printf ' # # # # #\r\n# $ @   . #\r\n # # # # #\r\n' >"$work/levels/corner.qbx"
printf ' # # # # #\r\n# @   $ . #\r\n # # # # #\r\n' >"$work/levels/line.qbx"

expect 1 "Unknown option 'bogus'" - -- --bogus
expect 2 "one level file at a time" - -- a.qbx b.qbx
expect 2 "--solve needs at least one level FILE" - -- --solve
for limit in nan inf -1 0 x; do
  expect 2 "--time-limit takes a number of seconds above 0" - -- --solve --time-limit "$limit" line.qbx
done
for limit in 16777217 0 1.5; do
  expect 2 "--memory-limit takes a whole number of MiB from 1 to 16777216" - -- --solve --memory-limit "$limit" line.qbx
done
expect 2 "--time-limit goes with --solve" - -- --time-limit 5 line.qbx
expect 2 "--memory-limit goes with --solve" - -- --memory-limit=5
expect 0 - "^line.qbx: solved, pushes 1, moves 2, solution dD$" -- --solve --memory-limit 16777216 line.qbx
# The exit status tells about every file, not only the last.
expect 1 - "^line.qbx: solved" -- --solve corner.qbx line.qbx
expect 1 "^invalid-two-men.qbx: Load Level Warning: The loaded level is invalid.$" \
  "invalid level" -- --solve invalid-two-men.qbx
expect 1 "^missing.qbx: Loading Error: Error 2: No such file or directory" "not read" -- --solve missing.qbx
expect 0 - "Usage: " -- --help -style fusion
expect 0 - "Usage: " -- --help-all
expect 0 - "^quobix-editor [0-9.]+$" -- --version

# The analysis: one line per file with its verdict; 0 only when every level was decided.
expect 0 - "^line.qbx: Solvable, 1 push, 2 moves, 0 object changes, [0-9]+ positions?, 1 dead cell$" -- --analyse line.qbx
expect 0 - "^corner.qbx: Unsolvable, [0-9]+ positions?, 1 dead cell$" -- --analyse corner.qbx invalid-two-men.qbx
grep -q "^invalid-two-men.qbx: Invalid: 2 men$" "$work/out" || { echo "FAIL: --analyse of two men"; failures=$((failures + 1)); }
# 195 pushes: no search decides it before its first look at the clock.
{ printf '%s\r\n' "##########################"
  for inner in "@" "" '  $ $ $ $ $    . . . . .' "" '  $ $ $ $ $    . . . . .' "" '  $ $ $ $ $    . . . . .' ""; do
    printf '#%-24s#\r\n' "$inner"
  done
  printf '%s\r\n' "##########################"; } >"$work/levels/room.xsb"
expect 1 - "^room.xsb: Not decided within 1e-09 s, [0-9]+ positions, 54 dead cells$" -- --analyse --time-limit 1e-9 room.xsb
expect 1 "^missing.qbx: Loading Error" "^missing.qbx: not read$" -- --analyse missing.qbx
expect 2 "--analyse needs at least one level FILE" - -- --analyse

# A picture of a level for scripts: a PNG, or the reason on the error output.
expect 0 - - -- --export-picture ring.qbx ring.png
identify "$work/levels/ring.png" 2>/dev/null | grep -q " PNG [0-9]*x[0-9]* " ||
  { echo "FAIL: --export-picture wrote no PNG picture"; failures=$((failures + 1)); }
expect 2 "--export-picture takes a level FILE and a picture OUT" - -- --export-picture ring.qbx
expect 1 "^missing.qbx: Loading Error: Error 2" - -- --export-picture missing.qbx out.png
expect 1 "^ring.qbx: Saving Error: Error 2: No such file or directory was generated while saving nowhere/x.png" - -- --export-picture ring.qbx nowhere/x.png

# A relative level file opens from the shell's folder, though the editor starts in its own: the
# load succeeds when it reaches the recent levels (a failure would wait on its message box).
(cd "$work/levels" && QT_QPA_PLATFORM=offscreen exec "$editor" ring.qbx >"$work/gui.log" 2>&1) &
pid=$!
ini=$XDG_CONFIG_HOME/quobix/quobix-editor.ini
for _ in $(seq 300); do
  grep -q "$work/levels/ring.qbx" "$ini" 2>/dev/null && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
grep -q "$work/levels/ring.qbx" "$ini" 2>/dev/null ||
  { echo "FAIL: quobix-editor ring.qbx did not open $work/levels/ring.qbx"; cat "$work/gui.log"; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "command line: all answers right"
exit $((failures > 0))
