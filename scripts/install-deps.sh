#!/usr/bin/env bash
# Installs every package the build, the program and the tests need on Debian 12.
set -euo pipefail
packages=(
  build-essential cmake git
  qt6-base-dev libqt6opengl6-dev libqt6sql6-sqlite qt6-charts-dev
  libsqlite3-dev sqlite3 libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick fonts-dejavu-core
  qt6-svg-dev desktop-file-utils dpkg-dev file locales
  openbox trayer xdotool x11-utils dbus-daemon
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
