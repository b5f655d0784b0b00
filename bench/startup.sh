#!/usr/bin/env bash
# Measures start-up: the time from starting the program until its window is shown, and its
# resident memory then. Runs on a private virtual display, with a settings file so that no
# prompt waits. Each run also times a minimal window, started in turn with Quillon: on Linux a
# Qt window with one label, on Windows a Win32 window built with Quillon's flags; the medians
# and their ratio close the report. On Windows the same window is also timed in a program that
# loads the common controls as Quillon does, for the part of the difference that is theirs.
#   bench/startup.sh [linux|windows] [RUNS]     (windows: quillon.exe under Wine)
# Both programs, and the servers they wait for (the X server, Wine's), run on one processor:
# across processors each wait may have to wake a sleeping one, which on a virtual machine costs
# more than the request itself, so that the program asking more often is slowed beyond its
# share, and by a different amount in each run. QUILLON_BENCH_ALL_PROCESSORS=1 lets them run on
# any processor.
set -euo pipefail
if [ "${QUILLON_BENCH_ALL_PROCESSORS:-0}" != 1 ] && [ -z "${QUILLON_BENCH_ON_ONE_PROCESSOR:-}" ]; then
    first=$(taskset -cp $$ | sed 's/.*: //; s/[-,].*//')
    QUILLON_BENCH_ON_ONE_PROCESSOR=$first exec taskset -c "$first" "$0" "$@"
fi
cd "$(dirname "$0")/.."
. scripts/packages.sh
kind=${1:-linux}
ensure_packages "${linux_build_packages[@]}" xvfb xdotool x11-utils

work=$(mktemp -d)
mkdir -p "$work/game" && : >"$work/game/mp_pak0.pk3"  # a folder of the first game
cp assets/qmscript.txt "$work/"
jobs=$(nproc)
if [ "$kind" = windows ]; then
    ensure_packages "${windows_build_packages[@]}" wine wine64
    cmake --preset windows >/dev/null
    cmake --build --preset windows --parallel "$jobs" \
        --target quillon minimal_window minimal_window_common_controls >/dev/null
    # A prefix of its own: a Wine session lasts as long as its prefix's server and keeps the
    # screen size of the display it began on; sharing the tests' prefix would give them this
    # display, or end their session midway.
    export WINEPREFIX=$PWD/build/wineprefix-startup WINEDEBUG=-all
    program=(wine "$PWD/build/windows/src/frontend/win32/quillon.exe")
    minimal=(wine "$PWD/build/windows/bench/minimal_window.exe")
    # The minimal window again, in a program that loads the common controls as Quillon does.
    themed=(wine "$PWD/build/windows/bench/minimal_window_common_controls.exe")
    printf 'Z:%s\\game\\\r\n' "${work//\//\\}" >"$work/qm.cfg"
    ls -l build/windows/src/frontend/win32/quillon.exe
else
    cmake --preset default >/dev/null
    cmake --build --preset default --parallel "$jobs" --target quillon minimal_window >/dev/null
    program=("$PWD/build/default/src/frontend/qt/quillon")
    minimal=("$PWD/build/default/bench/minimal_window")
    printf '%s/game/\r\n' "$work" >"$work/qm.cfg"
    themed=()
fi

# A display of our own, on the first free number, which Xvfb reports once it is ready.
Xvfb -displayfd 3 -noreset -screen 0 800x600x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    kill "${watcher:-}" "$xvfb" 2>/dev/null || true
    if [ "$kind" = windows ]; then wineserver -k 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
until [ -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
if [ "$kind" = windows ]; then
    # A warm Wine session, as a user's desktop has one; its own start is not Quillon's. The
    # server wants its prefix's folder; the first program fills it.
    mkdir -p "$WINEPREFIX"
    wineserver -p >/dev/null 2>&1 </dev/null
    wine cmd /c exit >/dev/null 2>&1 </dev/null
fi

# Every window mapped on the display is reported by one watcher as it happens, so the moment a
# window shows is read to the millisecond, without polling.
exec 4< <(stdbuf -oL xev -root -event substructure 2>/dev/null)
watcher=$!
sleep 0.5  # until it watches; it says nothing before the first event

# Microseconds since the epoch, without starting a process.
now() { echo "${EPOCHREALTIME/./}"; }

# Starts a program and waits for its window whose title begins with $1 to be mapped; prints "milliseconds
# kibibytes".
time_window() {
    local title=$1
    shift
    local start shown pid rss line window
    start=$(now)
    # exec: the process started here is the program itself (Wine runs it in the same process).
    (cd "$work" && exec "$@") >/dev/null 2>"$work/stderr" &
    pid=$!
    while true; do
        if read -r -t 1 line <&4 && [[ $line == MapNotify* ]]; then
            shown=$(now)
            read -r line <&4  # "event <root>, window <id>, override NO"
            window=${line#*window }
            [[ "$(xdotool getwindowname "${window%%,*}" 2>/dev/null)" == "$title"* ]] && break
        elif ! kill -0 "$pid" 2>/dev/null; then
            echo "the program ended before showing its window:" >&2
            cat "$work/stderr" >&2
            exit 1
        fi
    done
    sleep 0.5
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v us=$((shown - start)) -v kb="$rss" 'BEGIN { printf "%.1f %s\n", us / 1000, kb }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$work/quillon.times"
: >"$work/minimal.times"
: >"$work/themed.times"
# A first run of each fills the file caches; not counted.
time_window Quillon "${program[@]}" >/dev/null
time_window "Minimal window" "${minimal[@]}" >/dev/null
if [ ${#themed[@]} -gt 0 ]; then time_window "Minimal window" "${themed[@]}" >/dev/null; fi
for run in $(seq "${2:-5}"); do
    read -r ms rss < <(time_window Quillon "${program[@]}")
    echo "run $run: window shown after $ms ms, resident $rss KiB"
    echo "$ms $rss" >>"$work/quillon.times"
    read -r ms rss < <(time_window "Minimal window" "${minimal[@]}")
    echo "run $run: minimal window shown after $ms ms, resident $rss KiB"
    echo "$ms $rss" >>"$work/minimal.times"
    if [ ${#themed[@]} -gt 0 ]; then
        read -r ms rss < <(time_window "Minimal window" "${themed[@]}")
        echo "run $run: minimal window with the common controls shown after $ms ms, resident $rss KiB"
        echo "$ms $rss" >>"$work/themed.times"
    fi
done
quillon_ms=$(cut -d' ' -f1 "$work/quillon.times" | median)
minimal_ms=$(cut -d' ' -f1 "$work/minimal.times" | median)
quillon_kb=$(cut -d' ' -f2 "$work/quillon.times" | median)
minimal_kb=$(cut -d' ' -f2 "$work/minimal.times" | median)
echo "median: Quillon $quillon_ms ms, $quillon_kb KiB; minimal $minimal_ms ms, $minimal_kb KiB"
awk -v q="$quillon_ms" -v m="$minimal_ms" -v qk="$quillon_kb" -v mk="$minimal_kb" \
    'BEGIN { printf "ratio: time %.2f, memory %.2f\n", q / m, qk / mk }'
# On a busy machine the medians wander; the fastest runs come nearest to the programs' own cost.
quillon_fastest=$(cut -d' ' -f1 "$work/quillon.times" | sort -n | head -n 1)
minimal_fastest=$(cut -d' ' -f1 "$work/minimal.times" | sort -n | head -n 1)
awk -v q="$quillon_fastest" -v m="$minimal_fastest" \
    'BEGIN { printf "fastest: Quillon %s ms, minimal %s ms; ratio %.2f\n", q, m, q / m }'
if [ ${#themed[@]} -gt 0 ]; then
    themed_ms=$(cut -d' ' -f1 "$work/themed.times" | median)
    awk -v q="$quillon_ms" -v t="$themed_ms" -v m="$minimal_ms" \
        'BEGIN { printf "with the common controls: minimal %s ms, %.2f times the plain one; Quillon %.2f times it\n", t, t / m, q / t }'
fi
