#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# build-deb.sh [OUT_DIR]: builds the Debian source package and gal-portrait_<version>_amd64.deb
# from a copy of the working tree in OUT_DIR (default build-deb/). dpkg-buildpackage writes its
# results into the parent of the tree it builds, so the copy keeps them inside the build area
# instead of beside the repository. Extra DEB_BUILD_OPTIONS (nocheck...) pass through.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build-deb}")

version=$(sed -n 's/^project(GalPortrait VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
deb_version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
if [ "${deb_version%-*}" != "$version" ]; then
    echo "debian/changelog is at $deb_version but CMakeLists.txt at $version" >&2
    exit 1
fi

src=$out/gal-portrait-$version
rm -rf "$out"
mkdir -p "$src"
# What git knows of the tree (committed or not, never the ignored build folders); a tree from an
# unpacked tarball is copied whole, less its build folders.
if git -C "$root" rev-parse --show-toplevel >/dev/null 2>&1; then
    (cd "$root" && git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
        tar --null -T - -cf -) | tar -C "$src" -xf -
else
    tar -C "$root" --exclude='./build' --exclude='./build-*' -cf - . | tar -C "$src" -xf -
fi

# The upstream tarball is the same tree without debian/, packed the same way every time.
tar -C "$out" --exclude="gal-portrait-$version/debian" --sort=name --owner=0 --group=0 \
    --numeric-owner --mtime="@$(dpkg-parsechangelog -l "$root/debian/changelog" -S Timestamp)" \
    -cJf "$out/gal-portrait_$version.orig.tar.xz" "gal-portrait-$version"

cd "$src"
export DEB_BUILD_OPTIONS="parallel=${JOBS:-2}${DEB_BUILD_OPTIONS:+ $DEB_BUILD_OPTIONS}"
dpkg-buildpackage -us -uc
echo "built: $(ls "$out"/*.deb)"
