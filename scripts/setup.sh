#!/usr/bin/env bash
# Installs what building, running and testing chargefield need on Debian 12, when missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins
  qt6-translations-l10n qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools python3
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fontconfig
  xvfb xauth xdotool
  poppler-utils desktop-file-utils dpkg-dev fakeroot file
  clang-format clang libclang-rt-14-dev
  # The WebAssembly build of the core (scripts/wasm.sh): the compiler, node to run its
  # programs, and GoogleTest's sources to build for it.
  emscripten nodejs googletest
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  if [ "$status" != "install ok installed" ]; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# "Times New Roman" is drawn with its metric twin, Liberation Serif. fonts-liberation's
# fontconfig rules alias it already; this rule makes the choice explicit and independent of
# which other fonts are installed.
conf=/etc/fonts/conf.d/30-chargefield-times.conf
if [ ! -f "$conf" ]; then
  cat > "$conf" <<'XML'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <alias binding="same">
    <family>Times New Roman</family>
    <prefer><family>Liberation Serif</family></prefer>
  </alias>
</fontconfig>
XML
  fc-cache -f >/dev/null 2>&1 || true
fi
