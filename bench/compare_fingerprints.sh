#!/usr/bin/env bash
# That the WebAssembly build computes what the native one does: the fingerprint tool
# (picture_digest.cpp) of both builds on the same grid, compared line for line.
#     bench/compare_fingerprints.sh NATIVE_BUILD WASM_BUILD [level intervals] [lines per charge]
#                                   [stride]
# The defaults, 11 6 7, take every 7th charge of the grid with the program's default counts.
set -euo pipefail
native=$1/bench/chargefield_digest
wasm=$2/bench/chargefield_digest.js
args=("${3:-11}" "${4:-6}" 1 "${5:-7}")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$native" "${args[@]}" >"$dir/native"
node "$wasm" "${args[@]}" >"$dir/wasm"
lines=$(wc -l <"$dir/native")
if ! cmp -s "$dir/native" "$dir/wasm"; then
  diff "$dir/native" "$dir/wasm" | head -n 20
  echo "fingerprints ${args[*]}: $(diff "$dir/native" "$dir/wasm" | grep -c '^<' || true) of $lines lines differ"
  exit 1
fi
echo "fingerprints ${args[*]}: all $lines lines agree"
