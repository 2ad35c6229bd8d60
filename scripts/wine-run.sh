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
# Keep one server alive between the many short runs of a test session.
"$wineserver" -p60 >/dev/null 2>&1 || true
flock -u 9
exec 9>&-

if [[ -n ${DISPLAY:-} ]]; then
  exec "$wine" "$@"
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" "$wine" "$@"
