#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 GAL PORTRAIT developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# screenshot.sh [PROGRAM [OUT_PNG]]: the README's picture of the main window, taken from the real
# program (default build/bin/gal-portrait) on an X server of its own (Xvfb) at scale 1, with a
# fresh configuration and cache so the record shows its default; in the language of LANG
# (C.UTF-8, which plays in Japanese, when unset). The same build gives the same
# bytes: the window is grabbed until two grabs agree, and the PNG carries no time stamps.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/bin/gal-portrait}")
out=$(realpath -m "${2:-$root/docs/screenshot.png}")
[ -x "$program" ] || { echo "no program at $program: build it first (make build)" >&2; exit 1; }

scratch=$(mktemp -d)
xvfb=0 game=0
cleanup() {
    for pid in "$game" "$xvfb"; do
        if [ "$pid" -gt 0 ]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to the pipe.
mkfifo "$scratch/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/displayfd" 2>/dev/null &
xvfb=$!
read -r -t 15 number <"$scratch/displayfd" || { echo "Xvfb did not start" >&2; exit 1; }

mkdir -p "$scratch/config" "$scratch/cache" "$scratch/runtime"
chmod 700 "$scratch/runtime"
env -i PATH="$PATH" HOME="$scratch" DISPLAY=":$number" LANG="${LANG:-C.UTF-8}" \
    XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache" \
    XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 \
    SDL_AUDIODRIVER=dummy "$program" >"$scratch/program.log" 2>&1 &
game=$!

export DISPLAY=":$number"
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^GAL PORTRAIT$' | head -n 1) || {
    cat "$scratch/program.log" >&2
    echo "the main window did not appear" >&2
    exit 1
}

# The first frames may still be settling (pictures decode on first use): wait for two grabs alike
# that show the pictures (thousands of colours; a window not yet painted has a handful).
grab() { import -window "$window" -strip -define png:exclude-chunks=date,time "PNG24:$1"; }
grab "$scratch/a.png"
for _ in $(seq 40); do
    sleep 0.5
    grab "$scratch/b.png"
    if cmp -s "$scratch/a.png" "$scratch/b.png" &&
        [ "$(identify -format %k "$scratch/b.png")" -gt 5000 ]; then
        mkdir -p "$(dirname "$out")"
        cp "$scratch/b.png" "$out"
        echo "wrote $out ($(identify -format '%wx%h' "$out"))"
        exit 0
    fi
    mv "$scratch/b.png" "$scratch/a.png"
done
echo "the window kept changing; no screenshot written" >&2
exit 1
