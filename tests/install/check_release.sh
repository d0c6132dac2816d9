#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# check_release.sh SOURCE_DIR VERSION APP_ID
# Every place that names the release must name the one the build makes (VERSION, from CMake): the
# newest AppStream release, CHANGELOG.md, debian/changelog and the manual page. A version bumped
# in one place only would ship a package that announces another release than it holds.
set -euo pipefail
src=$1 version=$2 app_id=$3

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

metainfo=$src/packaging/$app_id.metainfo.xml
release=$(grep -m1 -o '<release [^>]*>' "$metainfo" || true)
rel_version=$(sed -n 's/.*version="\([^"]*\)".*/\1/p' <<<"$release")
rel_date=$(sed -n 's/.*date="\([^"]*\)".*/\1/p' <<<"$release")
[ "$rel_version" = "$version" ] || fail "newest metainfo release is '$rel_version', not $version"
[[ $rel_date =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}$ ]] || fail "metainfo release date '$rel_date'"

# Keep a Changelog: the first "## [x.y] - date" heading is the newest release.
heading=$(grep -m1 -E '^## \[[0-9]' "$src/CHANGELOG.md" || true)
[ "$heading" = "## [$version] - $rel_date" ] ||
    fail "CHANGELOG.md's newest release is '$heading', not '## [$version] - $rel_date'"

deb_version=$(sed -n '1s/^gal-portrait (\([^)]*\)).*/\1/p' "$src/debian/changelog")
[ "${deb_version%-*}" = "$version" ] || fail "debian/changelog is at '$deb_version', not $version-N"

th=$(grep -m1 '^\.TH ' "$src/packaging/gal-portrait.6" || true)
[[ $th == *"\"GAL PORTRAIT $version\""* ]] || fail "manual page header '$th' does not name $version"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "release $version $rel_date named alike everywhere"
