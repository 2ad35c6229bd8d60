#!/usr/bin/env bash
# Runs a command on a private virtual X display and stops the display (and the
# Wine server of the given prefixes) afterwards, whatever the command does.
#   with-display.sh [--wineprefix DIR]... command [args...]
set -uo pipefail

prefixes=()
while [[ ${1:-} == --wineprefix ]]; do
  prefixes+=("$2")
  shift 2
done

display=""
for n in $(seq 90 150); do
  if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then
    display=$n
    break
  fi
done
[[ -n $display ]] || { echo "with-display.sh: no free display" >&2; exit 1; }

Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!

stop() {
  local wineserver
  wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
  for p in "${prefixes[@]}"; do
    [[ -d $p ]] && WINEPREFIX=$p "$wineserver" -k >/dev/null 2>&1
  done
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
}
trap stop EXIT

for _ in $(seq 100); do
  [[ -e /tmp/.X11-unix/X$display ]] && break
  sleep 0.1
done
export DISPLAY=":$display"
# Each prefix made ready and its server kept running for the whole command.
for p in "${prefixes[@]}"; do
  TESSALY_WINE_WARM=1 "$(dirname "$0")/wine-run.sh" --prefix="$(realpath -m "$p")"
done
"$@"
