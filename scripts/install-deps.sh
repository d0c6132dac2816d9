#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the build and the tests need, only those still missing.
set -euo pipefail
pkgs=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-svg-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-documentation-tools libqt6sql6-sqlite
    qt6-translations-l10n
    libsdl2-dev
    fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation
    xvfb xauth xdotool openbox
    # the game read over AT-SPI and played beside a screen reader: the buses, and speech that
    # the tests do not play
    dbus-daemon at-spi2-core orca speech-dispatcher espeak-ng procps
    # the Debian package, and what checks it and the licences (make test)
    dpkg-dev build-essential debhelper
    reuse lintian devscripts appstream desktop-file-utils man-db groff-base
    # scripts/screenshot.sh
    imagemagick
)
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
