#!/bin/sh
# Installs the Debian packages the build and the tests need, only those missing.
# libarchive-tools (bsdtar) and p7zip-full (7z) make the tests' archives and time the install
# benchmark. qt6-tools-dev gives CMake the translation tools of qt6-l10n-tools;
# qt6-translations-l10n holds Qt's own translations. apt-get update runs once, and only when
# something has to be installed.
set -e
PACKAGES="cmake ninja-build g++ pkg-config qt6-base-dev qt6-charts-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libsqlite3-dev libarchive-dev libssl-dev libfontconfig-dev xvfb xauth clang clang-format libclang-rt-14-dev dosbox nasm genisoimage libfiu-dev fiu-utils
libarchive-tools p7zip-full
dpkg-dev file desktop-file-utils appstream librsvg2-bin" # the Debian package and its checks
missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y $missing
fi
