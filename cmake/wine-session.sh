#!/bin/sh
# wine-session.sh start|stop BUILD_DIR
# start: a private Xvfb display and a persistent wineserver for the test run,
#        so each test program starts in a fraction of a second and may open windows.
# stop:  ends both.
set -e
action=$1 build=$2
dir="$build/wine-session"
export WINEPREFIX="$build/wine" WINEARCH=win32 WINEDEBUG=-all

stop() {
  WINEPREFIX="$build/wine" wineserver -k 2>/dev/null || true
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
  fi
  rm -rf "$dir"
}

case $action in
start)
  stop
  mkdir -p "$dir"
  # Xvfb picks a free display and writes its number to fd 3.
  Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 \
       3>"$dir/display.num" </dev/null >/dev/null 2>&1 &
  echo $! >"$dir/xvfb.pid"
  for _ in $(seq 100); do [ -s "$dir/display.num" ] && break; sleep 0.1; done
  [ -s "$dir/display.num" ] || { echo "Xvfb did not start" >&2; exit 1; }
  echo ":$(cat "$dir/display.num")" >"$dir/display"
  # Keep one server up for the whole run, then create the prefix now rather
  # than inside the first test.
  mkdir -p "$WINEPREFIX"
  setsid wineserver -p </dev/null >/dev/null 2>&1 &
  "$(dirname "$0")/wine-run.sh" "$build" cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
  # No window manager runs on the private display: windows Wine thinks managed
  # would make it wait two seconds for a manager each time one is hidden
  # (every closed message box), so none are.
  "$(dirname "$0")/wine-run.sh" "$build" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    </dev/null >/dev/null 2>&1 || true
  ;;
stop) stop ;;
*) echo "usage: wine-session.sh start|stop BUILD_DIR" >&2; exit 2 ;;
esac
