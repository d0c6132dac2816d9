#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# check-package.sh [OUT_DIR]: checks what build-deb.sh left in OUT_DIR (default build-deb/) as an
# archive would: lintian over the source and binary packages, the hardening of the program, the
# validators of the menu entry and the metainfo, the manual page as man renders it, and the
# layout that lets the installed command find its data.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build-deb}")

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

changes=("$out"/gal-portrait_*_amd64.changes)
debs=("$out"/gal-portrait_*_amd64.deb)
[ -f "${changes[0]}" ] && [ -f "${debs[0]}" ] || { echo "no package in $out: run make deb" >&2; exit 1; }
deb=${debs[0]}

echo "== lintian"
lintian -I --fail-on error,warning "${changes[0]}" || fail "lintian"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"

echo "== layout"
prog=$tree/usr/lib/gal-portrait
for f in gal-portrait Right.Wav Left.Wav Up.Wav Down.Wav Bad.Wav Good.Wav VeryGood.Wav portrait.hlp; do
    [ -f "$prog/$f" ] || fail "/usr/lib/gal-portrait/$f missing"
done
link=$tree/usr/games/gal-portrait
[ -L "$link" ] && [ "$(readlink "$link")" = ../lib/gal-portrait/gal-portrait ] ||
    fail "/usr/games/gal-portrait is not the relative link to the program"
[ -z "$(find "$tree/usr/bin" "$tree/usr/lib/x86_64-linux-gnu" -mindepth 1 2>/dev/null)" ] ||
    fail "files outside the program folder and /usr/games"

echo "== hardening"
# Debian 12's flags bring no control-flow protection, and the program's only fortifiable call is
# a memcpy whose size no compiler can know, which hardening-check reports as unprotected. So
# fortification is checked where it is decided: every compile of the package build carries it.
hardening-check --nocfprotection --nofortify "$prog/gal-portrait" || fail "hardening-check"
commands=$(find "$out" -path '*/obj-*/compile_commands.json' | head -n 1)
if [ -z "$commands" ]; then
    fail "no compile_commands.json in the package build"
elif grep '"command"' "$commands" | grep -qv -- '-D_FORTIFY_SOURCE=2'; then
    fail "compiles without the distribution's -D_FORTIFY_SOURCE=2"
fi

echo "== desktop entry and metainfo"
desktops=("$tree"/usr/share/applications/*.desktop)
metainfos=("$tree"/usr/share/metainfo/*.metainfo.xml)
desktop-file-validate "${desktops[@]}" || fail "desktop-file-validate"
# Pedantic, and any remark counts: an app store's importer is stricter than a desktop. The tree
# check also matches the metainfo with the menu entry and icons it names.
for check in "validate ${metainfos[*]}" "validate-tree $tree"; do
    report=$(appstreamcli $check --pedantic --no-net --no-color 2>&1) || true
    echo "appstreamcli ${check%% *}: $report"
    [ "$report" = "✔ Validation was successful." ] || fail "appstreamcli ${check%% *}"
done

echo "== manual page"
man6=$tree/usr/share/man/man6/gal-portrait.6.gz
if [ ! -f "$man6" ]; then
    fail "no manual page gal-portrait.6"
else
    # As lintian renders it, as man does in a plain ASCII locale, and groff's own warnings at
    # every level.
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$man6" 2>&1 >/dev/null)
    warnings+=$(LC_ALL=C man --warnings -l "$man6" 2>&1 >/dev/null)
    warnings+=$(zcat "$man6" | preconv -e UTF-8 | groff -ww -man -Tutf8 -z 2>&1)
    [ -z "$warnings" ] || fail "manual page warnings: $warnings"
fi

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "package OK: $(basename "$deb")"
