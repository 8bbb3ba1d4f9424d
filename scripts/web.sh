#!/usr/bin/env bash
# Builds the browser edition, build-web/chargefield.html: one file with the WebAssembly core (the
# session, the pixels and the numeric core, built with Debian's emscripten), the page's scripts
# and styles, Liberation Serif and the help documents inside. Installs what it needs first
# (scripts/setup.sh).
#     scripts/web.sh            build the page
#     scripts/web.sh --test     and run its tests in headless chromium (needs build/chargefield)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
# Debian's own nodejs comes without npm (a machine with NodeSource's has it).
if ! command -v npm >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends npm
fi

# em++ runs the first python3 on PATH unless told which; its JavaScript tools need acorn from
# Debian's node modules, a folder node does not search by itself.
export EMSDK_PYTHON=/usr/bin/python3 NODE_PATH=/usr/share/nodejs
# (The system libraries come prebuilt in the package's cache, which it keeps frozen: em++ neither
# builds into it nor locks it, so a user who may not write there builds all the same.)

source_dir=${CHARGEFIELD_SOURCE_DIR:-$PWD}
emcmake cmake -S web -B build-web/core -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCHARGEFIELD_SOURCE_DIR="$source_dir" >/dev/null
cmake --build build-web/core
python3 web/tools/pack_page.py . build-web/core/chargefield_core.js build-web/chargefield.html
size=$(stat -c %s build-web/chargefield.html)
gzipped=$(gzip -9c build-web/chargefield.html | wc -c)
echo "build-web/chargefield.html: $size bytes, $gzipped gzipped"

# The tests' driver, from the committed lock (it downloads no browser: it drives Debian's).
if [ ! -d web/test/node_modules/puppeteer-core ]; then
  (cd web/test && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund)
fi
if [ "${1:-}" = "--test" ]; then
  (cd web/test && node --test ./*.test.mjs)
fi
