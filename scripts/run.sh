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

# The search plug-ins of this build talk to the demo site on loopback: it runs
# as long as the host does. Its first line says it is listening.
site=
start_demo_site() {
  log=$build/demosite.log
  rm -f "$log"
  cmake/wine-run.sh "$build" "$build/tools/demosite/demosite.exe" >"$log" 2>&1 &
  site=$!
  for _ in $(seq 100); do [ -s "$log" ] && break; sleep 0.1; done
  cat "$log"
}
stop_demo_site() { [ -z "$site" ] || kill "$site" 2>/dev/null || true; }

# While the host has no window of its own, a framework window (tools/stagedemo)
# shows what the widget framework draws.
stage_demo=
start_stage_demo() {
  cmake/wine-run.sh "$build" "$build/tools/stagedemo/stagedemo.exe" &
  stage_demo=$!
}
stop_stage_demo() { [ -z "$stage_demo" ] || kill "$stage_demo" 2>/dev/null || true; }

if [ -n "${DISPLAY:-}" ]; then
  trap 'stop_demo_site; stop_stage_demo' EXIT
  start_demo_site
  start_stage_demo
  cmake/wine-run.sh "$build" "$app/searchhost.exe"
  exit
fi

cmake/wine-session.sh start "$build"
trap 'stop_demo_site; stop_stage_demo; cmake/wine-session.sh stop "$build"' EXIT
start_demo_site
start_stage_demo
cmake/wine-run.sh "$build" "$app/searchhost.exe" &
host=$!
sleep 8
DISPLAY=$(cat "$build/wine-session/display") import -window root "$build/screenshot.png"
echo "Screenshot: $build/screenshot.png"
kill "$host" 2>/dev/null || true
