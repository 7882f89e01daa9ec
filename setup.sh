#!/bin/sh
# Installs the Debian packages that building and testing Velomar needs.
# Idempotent: installs only what is missing. As root it runs apt-get;
# otherwise it prints the command to run.
set -eu

PACKAGES="
cmake g++ make pkg-config clang libclang-rt-14-dev
libfreetype-dev libfontconfig-dev fonts-dejavu-core libpng-dev
libwxgtk3.2-dev libcanberra-dev libasound2-dev libcairo2-dev
nlohmann-json3-dev libcli11-dev
libgtest-dev libgmock-dev libbenchmark-dev
g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
wine wine64 xvfb xauth x11-utils libxtst-dev libxfixes-dev imagemagick valgrind python3
xorriso xdg-utils
wixl msitools lintian zip unzip appstream xdotool
"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done

if [ -z "$missing" ]; then
  echo "setup: all packages present"
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y $missing
else
  echo "setup: missing packages; run as root:"
  echo "  apt-get update && apt-get install -y$missing"
  exit 1
fi
