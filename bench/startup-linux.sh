#!/usr/bin/env bash
# Measures the Qt program's start-up: time from process start until its window is shown, and
# its resident memory then. Runs on a private virtual display, with a settings file so that no
# prompt waits.  bench/startup-linux.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
ensure_packages cmake make g++ libgtest-dev qt6-base-dev xvfb xdotool
cmake --preset default >/dev/null
cmake --build --preset default --target quillon >/dev/null
program=$PWD/build/default/src/ui/qt/quillon

work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/game"
printf '%s/game/\r\n' "$work" >"$work/qm.cfg"
cp assets/qmscript.txt "$work/"
Xvfb :77 -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=:77

for run in $(seq "${1:-5}"); do
    start=$(date +%s%N)
    (cd "$work" && exec "$program") 2>"$work/stderr" &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" --name Quillon >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "run $run: the program ended before showing its window:" >&2
            cat "$work/stderr" >&2
            exit 1
        fi
        sleep 0.002
    done
    shown=$(date +%s%N)
    sleep 0.5
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    echo "run $run: window shown after $(((shown - start) / 1000000)) ms, resident ${rss} KiB"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
