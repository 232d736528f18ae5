#!/bin/sh
# wine-run.sh BUILD_DIR PROGRAM [ARGS...]
# Runs a Windows program in the build folder's own 32-bit prefix, creating the
# prefix on first use. When a test session is up (wine-session.sh), its Xvfb
# display is used so that windows can be created.
build=$1; shift
export WINEPREFIX="$build/wine" WINEARCH=win32 WINEDEBUG=-all
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# Gecko and Mono are never needed and would ask to be installed.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Our own marker says the prefix is ready: Wine writes its registry files
# late. flock -o keeps the lock away from the Wine processes wineboot leaves
# running, which would otherwise hold it for as long as they live.
if [ ! -f "$WINEPREFIX/.prefix-ready" ]; then
  mkdir -p "$build"
  flock -o "$build/wine.lock" sh -c \
    '[ -f "$WINEPREFIX/.prefix-ready" ] || { wineboot -i >/dev/null 2>&1 && touch "$WINEPREFIX/.prefix-ready"; }'
fi
if [ -f "$build/wine-session/display" ]; then
  DISPLAY=$(cat "$build/wine-session/display")
  export DISPLAY
fi
exec wine "$@"
