#!/bin/sh
# Installs what is missing, builds the demo installation and starts it: on the
# screen when there is one ($DISPLAY), otherwise under Xvfb, leaving a
# screenshot in build/demo/screenshot.png.
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset demo >/dev/null
cmake --build --preset demo -j "$(nproc)"
build=$PWD/build/demo
app=$build/app

if [ -n "${DISPLAY:-}" ]; then
  exec cmake/wine-run.sh "$build" "$app/searchhost.exe"
fi

cmake/wine-session.sh start "$build"
trap 'cmake/wine-session.sh stop "$build"' EXIT
cmake/wine-run.sh "$build" "$app/searchhost.exe" &
host=$!
sleep 8
DISPLAY=$(cat "$build/wine-session/display") import -window root "$build/screenshot.png"
echo "Screenshot: $build/screenshot.png"
kill "$host" 2>/dev/null || true
