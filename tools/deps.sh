#!/bin/sh
# Installs what building, running and testing Tavix needs on Debian 12, when it is missing.
set -e
PACKAGES="git cmake ninja-build g++ clang clang-format libclang-rt-14-dev ccache qt6-base-dev qt6-tools-dev qt6-tools-dev-tools
qt6-documentation-tools libqt6help6 libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth poppler-utils
cups cups-client libcups2-dev printer-driver-cups-pdf fonts-dejavu-core time openbox xdotool wmctrl x11-utils
nlohmann-json3-dev dpkg-dev debhelper lintian appstream desktop-file-utils man-db bash-completion locales
librsvg2-bin xclip at-spi2-core python3-pyatspi dbus imagemagick"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
