# The WebAssembly build (emcmake with Debian's emscripten; scripts/wasm.sh configures it): the
# core, its tests and the fingerprint tool, run under node. No Qt, no program, no documents.
#
# Quirks of Debian's emscripten handled here, so that a plain `cmake --build` works:
# - em++ runs the first python3 on PATH; EMSDK_PYTHON names the system's, which it is made for.
# - Its JavaScript optimizer (-O1 and above) needs acorn, kept where node does not look:
#   NODE_PATH names Debian's node modules.
# - Under node 20 a separate .wasm file fails to load: each program is one .js file with the
#   WebAssembly inside (SINGLE_FILE).
# - NODERAWFS: a program under node reads and writes the machine's real files.
find_program(CHARGEFIELD_NODE NAMES node nodejs REQUIRED)
find_program(CHARGEFIELD_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(NOT CHARGEFIELD_SYSTEM_PYTHON)
  find_program(CHARGEFIELD_SYSTEM_PYTHON python3 REQUIRED)
endif()
set(CHARGEFIELD_EM_LAUNCHER ${CMAKE_COMMAND} -E env EMSDK_PYTHON=${CHARGEFIELD_SYSTEM_PYTHON}
  NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_COMPILER_LAUNCHER ${CHARGEFIELD_EM_LAUNCHER})
set(CMAKE_CXX_LINKER_LAUNCHER ${CHARGEFIELD_EM_LAUNCHER})
set(CMAKE_C_COMPILER_LAUNCHER ${CHARGEFIELD_EM_LAUNCHER})
set(CMAKE_C_LINKER_LAUNCHER ${CHARGEFIELD_EM_LAUNCHER})

# Exceptions caught as natively (a failed piece of parallel work reaches its caller); products
# and sums rounded one by one, never fused, as the native build (GCC in ISO mode) does.
add_compile_options(-fexceptions -ffp-contract=off)
add_link_options(-fexceptions -sSINGLE_FILE=1 -sNODERAWFS=1 -sENVIRONMENT=node
  -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)
