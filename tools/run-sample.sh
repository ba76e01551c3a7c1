#!/bin/sh
# Starts pso from the build's program folder against a generated sample game folder,
# under Xvfb when there is no display.
set -e
BUILD=${1:-build}
HERE=$(cd "$(dirname "$0")/.." && pwd)
APPDIR="$HERE/$BUILD/AppDir"
GAME="$HERE/$BUILD/sample-game"
"$HERE/$BUILD/tests/fixtures/sampleapp/prepare_sample" "$APPDIR" "$GAME"
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
  echo "No display: starting pso under xvfb-run (it runs until it is closed or killed)."
  exec xvfb-run -a "$APPDIR/pso"
fi
exec "$APPDIR/pso"
