#!/usr/bin/env bash
# Runs the start-up end-to-end driver against the real tessaly.exe in a
# fresh Wine prefix of its own, and stops that prefix's Wine server after.
#   end_to_end.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
prefix=$build/e2e-wineprefix
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

if [[ -d $prefix ]]; then WINEPREFIX=$prefix "$wineserver" -k >/dev/null 2>&1 || true; fi
rm -rf "$prefix" "$prefix.lock"
trap 'WINEPREFIX=$prefix "$wineserver" -k >/dev/null 2>&1 || true' EXIT
export TESSALY_BUILD="Z:${build//\//\\}"
"$here/../../../scripts/wine-run.sh" --prefix="$prefix" "$build/bin/startup_end_to_end.exe"
