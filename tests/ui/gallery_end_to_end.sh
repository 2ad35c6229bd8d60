#!/usr/bin/env bash
# Drives tessaly-controls.exe from outside as a user would, with the real
# pointer and keyboard of the X display (xdotool), and checks its event log.
#   gallery_end_to_end.sh <wine-run.sh> <wine prefix> <tessaly-controls.exe>
set -uo pipefail
runner=$1 prefix=$2 exe=$3
[[ -n ${DISPLAY:-} ]] || { echo "gallery_end_to_end: needs an X display (scripts/with-display.sh)"; exit 1; }

log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$runner" --prefix="$prefix" "$exe" >"$log" 2>&1 &
gallery=$!

fail() {
  echo "FAIL: $*"
  echo "--- gallery log:"
  cat "$log"
  kill "$gallery" 2>/dev/null
  exit 1
}
# The log without the CR of the Windows line ends.
lines() { tr -d '\r' <"$log"; }
# Waits up to $2 seconds for a line of the log matching $1.
expect_line() {
  for _ in $(seq $(($2 * 10))); do
    lines | grep -q -- "$1" && return 0
    sleep 0.1
  done
  fail "no line '$1' within $2 s"
}
centre_of() {
  lines | awk -v id="$1" '$1 == "control" && $2 == id { print int(($3 + $5) / 2), int(($4 + $6) / 2) }'
}
click_control() {
  local x y
  read -r x y < <(centre_of "$1")
  [[ -n $x ]] || fail "no place for control $1"
  xdotool mousemove "$x" "$y" click 1
  sleep 0.7
}

expect_line '^ready' 90

# "透明" is focused when the palette opens on it; Right, Right, Down reach
# the cell 蓝色 (#0000FF).
click_control 101
xdotool key Right Right Down Return
expect_line '^colour chosen 101 0x00FF0000$' 10

# Esc cancels the palette only: no event, and the window stays.
click_control 102
xdotool key Escape
sleep 1
lines | grep -q 'colour chosen 102' && fail "a cancelled palette raised an event"
kill -0 "$gallery" 2>/dev/null || fail "Esc in the palette closed the window"

# The same picker again: Left from 天蓝 is 紫色 (#9000FF).
click_control 102
xdotool key Left space
expect_line '^colour chosen 102 0x00FF0090$' 10

# A label without a target fails; the other opens its loopback address.
click_control 202
expect_line '^label opened 202 0$' 10
click_control 201
expect_line '^label opened 201 1$' 20

# Esc with no palette open closes the window, and the program ends with 0.
click_control 101
xdotool key Escape
sleep 0.5
xdotool key Escape
for _ in $(seq 100); do
  kill -0 "$gallery" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$gallery" 2>/dev/null && fail "Esc didn't close the window"
wait "$gallery"
status=$?
[[ $status -eq 0 ]] || fail "exit status $status"
[[ $(lines | grep -c '^colour chosen') -eq 2 ]] || fail "unexpected colour events"
echo "gallery end to end: passed"
