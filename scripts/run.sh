#!/usr/bin/env bash
# The README's run command: starts tessaly.exe under Wine on this display.
# Where there is no display, it shows the tool working on a virtual one
# instead: one generation of the usage text, its code printed here, and a
# screenshot of the window.
#   run.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/windows}
prefix=$(realpath -m "$build/wineprefix")
bin=$(realpath "$build/bin")

if [[ -n ${DISPLAY:-} ]]; then
  exec scripts/wine-run.sh --prefix="$prefix" "$bin/tessaly.exe"
fi

shot=$(realpath -m "$build/tessaly-window.png")
code=$(mktemp)
trap 'rm -f "$code"' EXIT
echo "No display: running Tessaly on a virtual display instead."
scripts/with-display.sh --wineprefix "$prefix" bash -c '
  set -e
  run() { scripts/wine-run.sh --prefix="$1" "${@:2}"; }
  run "$1" "$2/tessaly.exe" & program=$!
  run "$1" "$2/tessaly-drive.exe" answer-yes generate copy > "$4"
  import -window root "$3"
  run "$1" "$2/tessaly-drive.exe" close
  wait $program
' run "$prefix" "$bin" "$shot" "$code"
echo "The code of the usage text, as \"复制代码\" put it on the clipboard:"
iconv -f CP936 -t UTF-8 "$code"
echo
echo "Screenshot of the window after the generation: $shot"
