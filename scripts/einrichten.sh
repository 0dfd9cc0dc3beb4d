#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Trabex need, where missing.
set -euo pipefail
# qt6-translations-l10n: Qt's own dialogs in German. dpkg-dev (dpkg-shlibdeps),
# appstream and desktop-file-utils: the Debian package and the checks of the menu entry and its
# metadata. qt6-svg-dev: the generator of the program's icon (tools/). locales: the German and
# English system locales generated below. xvfb and openbox: the X server and window manager of
# the window-system test suite. qt6-charts-dev (with libqt6opengl6-dev, which its CMake files
# need): the diagrams. libeigen3-dev: the systems of equations of the general beam.
# shared-mime-info: the check of the project file type. xdotool: the window-system suite types
# real key presses with it. imagemagick: screenshots of the windows under Xvfb (import).
pakete=(build-essential cmake ninja-build ccache qt6-base-dev qt6-base-dev-tools libgl-dev
        fonts-liberation fonts-dejavu-core poppler-utils qt6-translations-l10n
        dpkg-dev appstream desktop-file-utils qt6-svg-dev locales xvfb openbox qt6-charts-dev libqt6opengl6-dev
        libeigen3-dev shared-mime-info xdotool imagemagick)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi

# The tests read numbers under a German and an English system locale.
for gebiet in de_DE en_US; do
  if ! locale -a 2>/dev/null | grep -qix "${gebiet}.utf8"; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i "$gebiet" -f UTF-8 "${gebiet}.UTF-8"
  fi
done
