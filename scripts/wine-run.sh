#!/usr/bin/env bash
# Runs a Windows program under Wine: a private prefix (made on first use), the
# code page 936 locale, and a virtual display when none is given. CTest uses it
# as the emulator of the Windows build.
#   wine-run.sh --prefix=DIR program.exe [args...]
set -euo pipefail

prefix=""
if [[ ${1:-} == --prefix=* ]]; then
  prefix=${1#--prefix=}
  shift
fi
prefix=${prefix:-${WINEPREFIX:-}}
[[ -n $prefix ]] || { echo "wine-run.sh: no prefix given" >&2; exit 2; }

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8
# No Mono or Gecko download prompts: the programs need neither.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}

wine=$(command -v wine64 || true)
[[ -n $wine ]] || wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

on_display() {
  if [[ -n ${DISPLAY:-} ]]; then "$@"; else xvfb-run -a -s "-screen 0 1024x768x24" "$@"; fi
}

# Make the prefix once; parallel tests wait for the first one to finish it.
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [[ ! -f $prefix/.tessaly-ready ]]; then
  on_display "$wine" wineboot -i >/dev/null 2>&1 || true
  # Wine draws the frames and captions itself: virtual displays have no
  # window manager to draw them.
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
  "$wineserver" -w || true
  touch "$prefix/.tessaly-ready"
fi
flock -u 9
exec 9>&-

# A persistent server for the prefix, when the caller asked for one (see
# with-display.sh): Wine's own service processes then start here, once, with
# no pipe of the caller's open, and are not started anew by every program.
if [[ -n ${TESSALY_WINE_WARM:-} ]]; then
  "$wineserver" -p >/dev/null 2>&1 </dev/null || true
  "$wine" cmd /c exit >/dev/null 2>&1 </dev/null || true
  exit 0
fi

run_wine() { on_display "$wine" "$@"; }

# Output to a terminal or a file goes there directly, as the program writes it.
if [[ ! -p /dev/stdout ]]; then
  run_wine "$@"
  exit
fi
# Output to a pipe goes through files: Wine's service processes, started on
# demand by the program and outliving it, inherit its standard streams, and a
# reader waiting for the end of a pipe (CTest) would wait for them too.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
set +e
run_wine "$@" >"$out" 2>"$err"
code=$?
set -e
cat "$out"
cat "$err" >&2
exit "$code"
