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
if [ "$kind" = windows ]; then
    ensure_packages googletest g++-mingw-w64-x86-64 wine wine64
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target quillon >/dev/null
    export WINEPREFIX=$PWD/build/wineprefix WINEDEBUG=-all
    program=(wine "$PWD/build/windows/src/ui/win32/quillon.exe")
    printf 'Z:%s\\game\\\r\n' "${work//\//\\}" >"$work/qm.cfg"
    ls -l build/windows/src/ui/win32/quillon.exe
else
    cmake --preset default >/dev/null
    cmake --build --preset default --target quillon >/dev/null
    program=("$PWD/build/default/src/ui/qt/quillon")
    printf '%s/game/\r\n' "$work" >"$work/qm.cfg"
fi

Xvfb :77 -noreset -screen 0 800x600x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; [ "$kind" = windows ] && wineserver -k; rm -rf "$work"' EXIT
sleep 1
export DISPLAY=:77
if [ "$kind" = windows ]; then
    # A warm Wine session, as a user's desktop has one; its own start is not Quillon's.
    wineserver -p >/dev/null 2>&1 </dev/null
    wine cmd /c exit >/dev/null 2>&1 </dev/null
fi

for run in $(seq "${2:-5}"); do
    start=$(date +%s%N)
    (cd "$work" && exec "${program[@]}") >/dev/null 2>"$work/stderr" &
    launcher=$!
    until window=$(xdotool search --onlyvisible --name '^Quillon$' 2>/dev/null); do
        if ! kill -0 "$launcher" 2>/dev/null; then
            echo "run $run: the program ended before showing its window:" >&2
            cat "$work/stderr" >&2
            exit 1
        fi
        sleep 0.002
    done
    shown=$(date +%s%N)
    sleep 0.5
    pid=$(pgrep -f 'quillon(\.exe)?$' | head -n 1)
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    echo "run $run: window shown after $(((shown - start) / 1000000)) ms, resident ${rss} KiB"
    kill "$pid"
    wait "$launcher" 2>/dev/null || true
    while xdotool search --name '^Quillon$' >/dev/null 2>&1; do sleep 0.01; done
done
