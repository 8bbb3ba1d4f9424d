#!/usr/bin/env bash
# Configures and builds chargefield (program, tests, benchmarks) into build/, warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHARGEFIELD_WERROR=ON
cmake --build build
