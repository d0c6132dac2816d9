#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# check_install.sh CMAKE BUILD_DIR PROGRAM_DIR BIN_DIR DATA_DIR MAN_DIR APP_ID
# Installs BUILD_DIR into a scratch prefix and checks the layout a desktop expects: the program
# folder with everything the program looks up beside itself, a launcher that leads there, the
# manual page, and the menu entry, icon (in every hicolor size) and metainfo all named by the one
# AppStream id APP_ID.
set -euo pipefail
cmake=$1 build=$2 program_dir=$3 bin_dir=$4 data_dir=$5 man_dir=$6 app_id=$7

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
# Staged under DESTDIR as well: a destination that a fault made absolute lands in the scratch
# folder too, not on the machine.
if ! DESTDIR=$prefix "$cmake" --install "$build" --prefix / >"$prefix.log" 2>&1; then
    cat "$prefix.log"; rm -f "$prefix.log"
    echo "FAIL: cmake --install"; exit 1
fi
rm -f "$prefix.log"

# The program folder: the files must be the ones the build made, not merely present.
prog=$prefix/$program_dir
[ -f "$prog/gal-portrait" ] && [ -x "$prog/gal-portrait" ] || fail "no executable in $program_dir"
for f in Right.Wav Left.Wav Up.Wav Down.Wav Bad.Wav Good.Wav VeryGood.Wav portrait.hlp; do
    if [ ! -f "$prog/$f" ]; then
        fail "$f missing from $program_dir"
    elif ! cmp -s "$prog/$f" "$build/bin/$f"; then
        fail "$program_dir/$f differs from the build's"
    fi
done
n=$(find "$prog" -maxdepth 1 -type f | wc -l)
[ "$n" -eq 9 ] || fail "$program_dir holds $n files, expected the executable and 8 data files"

# The launcher must be relative, or a staged install (DESTDIR, a .deb) would point into the stage.
launcher=$prefix/$bin_dir/gal-portrait
if [ ! -L "$launcher" ]; then
    fail "$bin_dir/gal-portrait is not a symlink"
else
    target=$(readlink "$launcher")
    [ "${target#/}" = "$target" ] || fail "launcher target is absolute: $target"
    [ "$(readlink -f "$launcher")" = "$(readlink -f "$prog/gal-portrait")" ] ||
        fail "launcher leads to $(readlink -f "$launcher"), not the program folder"
fi

[ -f "$prefix/$man_dir/man6/gal-portrait.6" ] || fail "no manual page $man_dir/man6/gal-portrait.6"

# The desktop entry: Exec and Icon must name what was installed.
desktop=$prefix/$data_dir/applications/$app_id.desktop
entry() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
if [ ! -f "$desktop" ]; then
    fail "no $data_dir/applications/$app_id.desktop"
else
    exec_cmd=$(entry Exec); exec_cmd=${exec_cmd%% *}
    [ -n "$exec_cmd" ] && [ -e "$prefix/$bin_dir/$exec_cmd" ] ||
        fail "Exec=$exec_cmd is not in $bin_dir"
    icon=$(entry Icon)
    [ "$icon" = "$app_id" ] || fail "desktop entry's Icon=$icon is not $app_id"
fi

# Each icon size must hold a PNG of that size (width and height from the IHDR chunk).
for size in 16 24 32 48 64 128 256; do
    png=$prefix/$data_dir/icons/hicolor/${size}x${size}/apps/$app_id.png
    if [ ! -f "$png" ]; then
        fail "no icon $png"
        continue
    fi
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
        fail "${size}x${size} icon is not a PNG"
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "${size}x${size} icon is $dims"
done

# The scalable icon: the SVG source itself, which a desktop draws at whatever size it needs. Read
# as one line: Inkscape writes each attribute on a line of its own.
svg=$prefix/$data_dir/icons/hicolor/scalable/apps/$app_id.svg
if [ ! -f "$svg" ]; then
    fail "no scalable icon $svg"
elif ! tr '\n' ' ' <"$svg" | grep -q '<svg[^>]*xmlns="http://www.w3.org/2000/svg"'; then
    fail "scalable icon $svg is not an SVG document"
else
    # An icon is square: a desktop fits it into a square.
    box=$(tr '\n' ' ' <"$svg" | sed -n 's/.*<svg[^>]*viewBox="\([^"]*\)".*/\1/p')
    read -r _ _ width height <<<"$box"
    [ -n "$width" ] && [ "$width" = "$height" ] || fail "scalable icon's viewBox \"$box\" is not square"
fi

# The metainfo: one file, named after its id, launching the installed desktop entry.
metainfos=("$prefix/$data_dir"/metainfo/*.metainfo.xml)
if [ ${#metainfos[@]} -ne 1 ] || [ ! -f "${metainfos[0]}" ]; then
    fail "expected one metainfo file, found: ${metainfos[*]}"
else
    metainfo=${metainfos[0]}
    id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
    [ "$id" = "$app_id" ] || fail "metainfo id $id is not $app_id"
    [ "$(basename "$metainfo")" = "$id.metainfo.xml" ] || fail "metainfo file not named after id $id"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "metainfo does not launch $app_id.desktop"
    grep -q "<binary>gal-portrait</binary>" "$metainfo" || fail "metainfo provides no gal-portrait binary"
fi

# The validators are checking tools, not build dependencies: without them this part is skipped.
if command -v desktop-file-validate >/dev/null; then
    [ -f "$desktop" ] && { desktop-file-validate "$desktop" || fail "desktop-file-validate"; }
else
    echo "SKIPPED: desktop-file-validate not installed (Debian package desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    # Pedantic, and any remark counts: app stores import what passes cleanly.
    if [ -n "${metainfo:-}" ]; then
        report=$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1) || true
        [ "$report" = "✔ Validation was successful." ] || fail "appstreamcli validate: $report"
    fi
else
    echo "SKIPPED: appstreamcli not installed (Debian package appstream)"
fi

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "install layout OK"
