#!/bin/sh
# Installs what is missing, builds the demo configuration and runs every test
# under Wine (ctest brings up a private Xvfb display and wineserver itself).
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset demo >/dev/null
cmake --build --preset demo -j "$(nproc)"
ctest --preset demo -j "$(nproc)"
