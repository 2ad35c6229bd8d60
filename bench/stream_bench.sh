#!/usr/bin/env bash
# tessaly-gen's streaming, measured: time and peak memory for 64 MiB and
# 1 GiB of text, output speed against a plain buffered loop, and speed per
# character against a JavaScript loop over tinygradient (the peer).
#
#   bench/stream_bench.sh [BUILD]      (BUILD defaults to build/native)
#
# Inputs and outputs go to a scratch folder under /tmp, never into the
# repository. The peer is installed there with npm, for this benchmark only;
# without npm or network its lines are skipped. Not part of `make test`.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build/native}
bin=$build/bin
scratch=${TESSALY_BENCH_DIR:-/tmp/tessaly-stream-bench}
mkdir -p "$scratch"
bench=$bin/stream_bench
tool=$(realpath "$bin/tessaly-gen")

for mib in 4 64 1024; do
  [[ -s $scratch/text-$mib.txt ]] || "$bench" make-text "$scratch/text-$mib.txt" "$mib"
done
iconv -f UTF-8 -t CP936 "$scratch/text-64.txt" > "$scratch/text-64.cp936"

echo "== time and peak memory (output to /dev/null)"
for mib in 64 1024; do
  echo -n "UTF-8, $mib MiB: "
  "$bench" measure "$scratch/text-$mib.txt" /dev/null "$tool"
done
echo -n "raw code page 936, 64 MiB: "
"$bench" measure "$scratch/text-64.cp936" /dev/null "$tool" --raw

echo "== output speed: tessaly-gen --raw against a plain loop writing the same bytes"
for target in /dev/null "$scratch/code.out"; do
  echo "-- to $target"
  echo -n "tessaly-gen --raw: "
  "$bench" measure "$scratch/text-64.cp936" "$target" "$tool" --raw
  "$bench" plain-write "$scratch/text-64.cp936" "$target"
done
rm -f "$scratch/code.out"

echo "== per character: tessaly-gen against the tinygradient loop (output to /dev/null)"
for mib in 4 64; do
  echo -n "tessaly-gen, $mib MiB: "
  "$bench" measure "$scratch/text-$mib.txt" /dev/null "$tool"
done
echo -n "tessaly-gen --reach-end, 4 MiB: "
"$bench" measure "$scratch/text-4.txt" /dev/null "$tool" --reach-end
if [[ ! -d $scratch/peer/node_modules/tinygradient ]] && command -v npm >/dev/null; then
  mkdir -p "$scratch/peer" && cp "$here/js/package.json" "$scratch/peer/" &&
    npm install --prefix "$scratch/peer" --no-audit --no-fund --silent || true
fi
if [[ -d $scratch/peer/node_modules/tinygradient ]]; then
  echo -n "peer, 4 MiB: "
  NODE_PATH=$scratch/peer/node_modules node "$here/js/tinygradient_bbcode.js" \
    "$scratch/text-4.txt" /dev/null
  # The same form of code: equal sizes (tinygradient rounds its colours, we floor).
  "$tool" --reach-end < "$scratch/text-4.txt" > "$scratch/ours.out"
  NODE_PATH=$scratch/peer/node_modules node "$here/js/tinygradient_bbcode.js" \
    "$scratch/text-4.txt" "$scratch/peer.out" > /dev/null
  echo "code sizes: ours $(stat -c %s "$scratch/ours.out"), peer's $(stat -c %s "$scratch/peer.out") bytes"
  rm -f "$scratch/ours.out" "$scratch/peer.out"
else
  echo "tinygradient not installed: peer skipped"
fi
