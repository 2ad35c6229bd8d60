#!/usr/bin/env bash
# Installs, where missing, every Debian package the two builds and their tests
# need, and generates the zh_CN.UTF-8 locale (Wine's code page 936 comes from it).
set -euo pipefail

packages=(
  # native build, tests and benchmarks
  cmake ninja-build make g++ pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev
  libicu-dev
  # Windows build (posix thread model) and running it
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64
  # a virtual display, driving and looking at windows
  xvfb xauth xdotool x11-utils imagemagick
  # a font with both Chinese and Latin glyphs for Wine to draw with
  fonts-wqy-microhei
  locales python3
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$p")
done

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  $sudo sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
