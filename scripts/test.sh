#!/usr/bin/env bash
# Installs what is missing, then builds and tests chargefield as CI does:
#   build/           the README's build (RelWithDebInfo, warnings as errors) and every test;
#   build-release/   a Release build (warnings as errors) and its core and GUI tests;
#   build-sanitize/  clang++ with AddressSanitizer and UndefinedBehaviorSanitizer: the core, GUI
#                    and end-to-end tests, then each fuzz target for 60 seconds;
#   build-wasm/      the core, its tests and the fingerprint tool in WebAssembly (Debian's
#                    emscripten), the tests under node, the fingerprints compared with build/'s.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

bash scripts/build.sh
(cd build && ctest --output-on-failure -j2)

bash scripts/wasm.sh build-wasm
bash bench/compare_fingerprints.sh build build-wasm 11 6 7
bash bench/compare_fingerprints.sh build build-wasm 5 1 11

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCHARGEFIELD_WERROR=ON
cmake --build build-release
(cd build-release && ctest --output-on-failure -j2 -L 'core|gui')

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCHARGEFIELD_WERROR=ON -DCHARGEFIELD_SANITIZE=ON \
  -DCHARGEFIELD_FUZZ=ON -DCHARGEFIELD_BENCH=OFF
cmake --build build-sanitize
(cd build-sanitize && ctest --output-on-failure -j2 -L 'core|gui|e2e')
bash scripts/fuzz.sh build-sanitize 60
