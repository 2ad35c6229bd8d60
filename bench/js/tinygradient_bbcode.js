// The peer for bench/stream_bench.sh: a plain JavaScript loop over the npm
// package tinygradient that writes the same kind of BBCode as tessaly-gen
// (every character in a colour tag of its own, black towards white).
//
//   NODE_PATH=<folder with node_modules/tinygradient> \
//     node bench/js/tinygradient_bbcode.js IN OUT
//
// tinygradient is not a dependency of the project: install it into a scratch
// folder for the benchmark only (see stream_bench.sh).
'use strict';
const fs = require('fs');
const tinygradient = require('tinygradient');

const [input, output] = process.argv.slice(2);
const text = fs.readFileSync(input, 'utf8');
const start = process.hrtime.bigint();
const chars = Array.from(text);  // code points: one per character of the test text
// rgb(n) builds all n colours with one spread call, which overflows the stack
// for a few hundred thousand; rgbAt(position) per character works for any length.
const gradient = tinygradient(['#000000', '#FFFFFF']);
const last = Math.max(chars.length - 1, 1);
const out = fs.openSync(output, 'w');
let parts = [];
for (let i = 0; i < chars.length; ++i) {
  const colour = gradient.rgbAt(i / last).toHex().toUpperCase();
  parts.push('[color=#' + colour + ']' + chars[i] + '[/color]');
  if (parts.length === 65536) {
    fs.writeSync(out, parts.join(''));
    parts = [];
  }
}
fs.writeSync(out, parts.join(''));
fs.closeSync(out);
const seconds = Number(process.hrtime.bigint() - start) / 1e9;
console.log(`tinygradient loop: ${chars.length} characters in ${seconds.toFixed(2)} s, ` +
            `${(chars.length / seconds / 1e6).toFixed(2)} M characters/s`);
