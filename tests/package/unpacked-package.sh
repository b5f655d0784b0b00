# shellcheck shell=bash
# What both package checks share, sourced with the build folder as "$1": the package built into
# a work folder, which goes at the end with every process the check put into `started`.
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
started=()
cleanup() {
    for process in "${started[@]}"; do kill "$process" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work/dist" >/dev/null

# Prints the id of Quillon's shown window, titled "Quillon" as its boxes are, once there is one;
# fails after 30 s, or at once when the process "$1" has ended.
quillon_window() {
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name '^Quillon$' 2>/dev/null | head -n 1 | grep . && return
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
