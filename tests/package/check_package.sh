#!/bin/sh
# Builds the Debian package, validates its desktop entry and metainfo, unpacks it into a scratch
# root and starts its pso offscreen as a user who cannot write there, with a scratch HOME: pso
# must keep its databases under that HOME and open the sample game folder. A second pso on the
# folder must refuse to run; a killed one's lock must be taken over by the next.
# Usage: check_package.sh <build dir> <version> <prepare_sample>
set -eu
BUILD=$1
VERSION=$2
PREPARE=$3
ID=org.pistaro.Pistaro

fail() { echo "FAIL: $*"; exit 1; }
for tool in dpkg-deb desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/install-deps.sh installs it)"
done

SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
chmod 755 "$SCRATCH"

cmake --build "$BUILD" --target package >"$SCRATCH/package.log" 2>&1 ||
  { cat "$SCRATCH/package.log"; fail "the package target failed"; }
DEB="$BUILD/pistaro_${VERSION}_amd64.deb"
[ -f "$DEB" ] || fail "no $DEB"

depends=$(dpkg-deb -f "$DEB" Depends)
echo "Depends: $depends"
echo "$depends" | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt widgets library"
echo "$depends" | grep -q 'libsqlite3' || fail "Depends lacks SQLite"
echo "$depends" | grep -q 'libqt6charts6' || fail "Depends lacks the Qt Charts library"
[ "$(dpkg-deb -f "$DEB" Recommends)" = dosbox ] || fail "Recommends is not dosbox"

ROOT="$SCRATCH/root"
dpkg -x "$DEB" "$ROOT"
chmod 755 "$ROOT"
for f in bin/pso bin/sumfix share/pistaro/pso.def share/pistaro/maps.def share/pistaro/na1.bmp \
         share/pistaro/na2.bmp share/pistaro/help/help.htm share/applications/$ID.desktop \
         share/metainfo/$ID.metainfo.xml share/icons/hicolor/scalable/apps/$ID.svg \
         share/icons/hicolor/256x256/apps/$ID.png; do
  [ -e "$ROOT/usr/$f" ] || fail "the package lacks /usr/$f"
done
# Width and height of the PNG: big-endian words at bytes 16 and 20.
size=$(od -An -tx1 -j16 -N8 "$ROOT/usr/share/icons/hicolor/256x256/apps/$ID.png" | tr -d ' \n')
[ "$size" = 0000010000000100 ] || fail "the PNG icon is not 256 x 256 ($size)"
desktop-file-validate "$ROOT/usr/share/applications/$ID.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/$ID.metainfo.xml" ||
  fail "appstreamcli validate"

# A user who cannot write the unpacked files: nobody when run as root, else the caller.
RUNAS=""
if [ "$(id -u)" -eq 0 ]; then
  if command -v setpriv >/dev/null; then
    RUNAS="setpriv --reuid=$(id -u nobody) --regid=$(id -g nobody) --clear-groups"
  elif command -v runuser >/dev/null; then
    RUNAS="runuser -u nobody --"
  else
    echo "SKIP: running as root without setpriv or runuser to start pso as another user"
    exit 77
  fi
fi

HOME_DIR="$SCRATCH/home"
USERDIR="$HOME_DIR/.local/share/pistaro"
GAME="$SCRATCH/Grand Prix 2"
RUNTIME="$SCRATCH/run"
mkdir -p "$USERDIR" "$RUNTIME"
chmod 700 "$RUNTIME"
# The per-user folder gets the installed definitions and a database that names the game.
cp -p "$ROOT/usr/share/pistaro/pso.def" "$ROOT/usr/share/pistaro/maps.def" "$USERDIR/"
"$PREPARE" "$USERDIR" "$GAME" --no-first-time >/dev/null || fail "prepare_sample"
[ -z "$RUNAS" ] || chown -R nobody "$HOME_DIR" "$GAME" "$RUNTIME"
touch "$SCRATCH/marker"

# Starts the unpacked pso as the user, its output into the file $1. XDG_DATA_HOME is relative,
# which the XDG rules say to ignore: the per-user folder stays under HOME.
start_pso() {
  $RUNAS env -i HOME="$HOME_DIR" XDG_RUNTIME_DIR="$RUNTIME" XDG_DATA_HOME=relative/share \
    PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen "$ROOT/usr/bin/pso" >"$1" 2>&1 &
}
start_pso "$SCRATCH/pso.log"
PSO=$!
# Maps.mdb is made once the game folder was accepted: the window is then coming up.
i=0
while [ ! -f "$USERDIR/Maps.mdb" ] && [ $i -lt 600 ] && kill -0 $PSO 2>/dev/null; do
  sleep 0.1
  i=$((i + 1))
done
sleep 1
if ! kill -0 $PSO 2>/dev/null; then
  cat "$SCRATCH/pso.log"
  fail "pso ended on its own"
fi

# A second pso on the same folder says so (its message box waits offscreen) and opens nothing.
ALREADY="Pistaro is already running on $USERDIR."
start_pso "$SCRATCH/second.log"
SECOND=$!
i=0
while ! grep -qF "$ALREADY" "$SCRATCH/second.log" && [ $i -lt 300 ]; do
  sleep 0.1
  i=$((i + 1))
done
kill $SECOND 2>/dev/null || true
wait $SECOND 2>/dev/null || true
cat "$SCRATCH/second.log"
grep -qF "$ALREADY" "$SCRATCH/second.log" || fail "a second pso on $USERDIR did not refuse to run"
kill -0 $PSO 2>/dev/null || fail "the first pso ended when the second started"

# Killed, the first leaves its lock behind; the next start takes it over.
kill -9 $PSO
wait $PSO 2>/dev/null || true
cat "$SCRATCH/pso.log"
[ -f "$USERDIR/pso.lock" ] || fail "the killed pso left no lock to take over"
killed_lock=$(head -n 1 "$USERDIR/pso.lock")
start_pso "$SCRATCH/third.log"
THIRD=$!
i=0
while [ "$(head -n 1 "$USERDIR/pso.lock" 2>/dev/null)" = "$killed_lock" ] && [ $i -lt 300 ] &&
  kill -0 $THIRD 2>/dev/null; do
  sleep 0.1
  i=$((i + 1))
done
locked_by=$(head -n 1 "$USERDIR/pso.lock" 2>/dev/null || true)
kill -0 $THIRD 2>/dev/null || fail "the next pso ended: $(cat "$SCRATCH/third.log")"
kill $THIRD 2>/dev/null || true
wait $THIRD 2>/dev/null || true
cat "$SCRATCH/third.log"
[ -n "$locked_by" ] && [ "$locked_by" != "$killed_lock" ] ||
  fail "the next pso did not take over the lock of the killed one"

[ -f "$USERDIR/Maps.mdb" ] || fail "pso made no Maps.mdb under HOME"
for f in na1.bmp na2.bmp; do
  cmp -s "$ROOT/usr/share/pistaro/$f" "$USERDIR/$f" || fail "$f was not seeded under HOME"
done
[ -z "$(find "$ROOT" -newer "$SCRATCH/marker")" ] || fail "pso wrote into its installed files"
! grep -q "listing circuits\|reading the slots\|Couldn't open" "$SCRATCH/pso.log" ||
  fail "pso could not open the sample game"
echo "pso kept its files in $USERDIR and opened $GAME"
