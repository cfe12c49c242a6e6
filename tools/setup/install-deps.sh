#!/bin/sh
# Installs the Debian packages the game, its build and its tests need; does
# nothing when they are all there already.
set -e
packages="cmake g++ make ninja-build pkg-config libgtest-dev libbenchmark-dev qt6-base-dev qt6-multimedia-dev qt6-translations-l10n fonts-liberation xvfb xauth xdotool imagemagick dpkg-dev desktop-file-utils appstream lintian qt6-charts-dev libqt6opengl6-dev"
# Qt Charts' CMake files need Qt OpenGL's, which Debian 12 ships apart (libqt6opengl6-dev).
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends $missing
fi
