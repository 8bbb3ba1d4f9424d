#!/usr/bin/env bash
# Builds the core, its tests and the fingerprint tool as WebAssembly with Debian's emscripten
# into build-wasm/ (or the folder named), and runs the tests under node (CTest label wasm).
#     scripts/wasm.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-wasm}
# em++ runs the first python3 on PATH unless told which; its JavaScript tools need acorn from
# Debian's node modules, a folder node does not search by itself. (The build passes both to
# every em++ it runs; configuring needs them too.)
export EMSDK_PYTHON=/usr/bin/python3 NODE_PATH=/usr/share/nodejs
# (The system libraries come prebuilt in the package's cache, which it keeps frozen: em++ neither
# builds into it nor locks it, so a user who may not write there builds all the same.)
# emcmake names node with an option node 20 refuses: name it plainly.
emcmake cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCHARGEFIELD_WERROR=ON \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)"
cmake --build "$dir"
(cd "$dir" && ctest --output-on-failure -L wasm -j2)
