#!/usr/bin/env bash
# Measures start-up: the time from starting the program until its window is shown, and its
# resident memory then. Runs on a private virtual display, with a settings file so that no
# prompt waits.
#   bench/startup.sh [linux|windows] [RUNS]     (windows: quillon.exe under Wine)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
kind=${1:-linux}
ensure_packages cmake make g++ libgtest-dev qt6-base-dev xvfb xdotool

work=$(mktemp -d)
mkdir -p "$work/game"
cp assets/qmscript.txt "$work/"
jobs=$(nproc)
if [ "$kind" = windows ]; then
    ensure_packages googletest g++-mingw-w64-x86-64 wine wine64
    cmake --preset windows >/dev/null
    cmake --build --preset windows --parallel "$jobs" --target quillon >/dev/null
    export WINEPREFIX=$PWD/build/wineprefix WINEDEBUG=-all
    program=(wine "$PWD/build/windows/src/frontend/win32/quillon.exe")
    printf 'Z:%s\\game\\\r\n' "${work//\//\\}" >"$work/qm.cfg"
    ls -l build/windows/src/frontend/win32/quillon.exe
else
    cmake --preset default >/dev/null
    cmake --build --preset default --parallel "$jobs" --target quillon >/dev/null
    program=("$PWD/build/default/src/frontend/qt/quillon")
    printf '%s/game/\r\n' "$work" >"$work/qm.cfg"
fi

# A display of our own, on the first free number, which Xvfb reports once it is ready.
Xvfb -displayfd 3 -noreset -screen 0 800x600x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    kill "$xvfb" 2>/dev/null || true
    if [ "$kind" = windows ]; then wineserver -k 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
until [ -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
if [ "$kind" = windows ]; then
    # A warm Wine session, as a user's desktop has one; its own start is not Quillon's.
    wineserver -p >/dev/null 2>&1 </dev/null
    wine cmd /c exit >/dev/null 2>&1 </dev/null
fi

for run in $(seq "${2:-5}"); do
    start=$(date +%s%N)
    # exec: the process started here is the program itself (Wine runs it in the same process).
    (cd "$work" && exec "${program[@]}") >/dev/null 2>"$work/stderr" &
    pid=$!
    until xdotool search --onlyvisible --name '^Quillon$' >/dev/null 2>&1; do
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
    while xdotool search --name '^Quillon$' >/dev/null 2>&1; do sleep 0.01; done
done
