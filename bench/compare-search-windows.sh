#!/usr/bin/env bash
# Times the Windows build's drive search under Wine against its sequential walk and against a
# plain FindFirstFileExW walk that reads no folder ids, side by side.
#   bench/compare-search-windows.sh [TREE]   (default: a depth-7 tree built under /tmp)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
ensure_packages cmake make googletest g++-mingw-w64-x86-64 wine wine64 hyperfine python3

tree=${1:-/tmp/quillon-bench-tree7}
if [ ! -d "$tree" ]; then
    ../shared/tools/make-tree "$tree" --depth 7 --installs 3
fi
cmake --preset windows >/dev/null
cmake --build --preset windows --parallel "$(nproc)" --target search_bench plain_walk >/dev/null
# A prefix of its own: a Wine session lasts as long as its prefix's server and keeps the
# screen size of the display it began on; sharing the tests' prefix would give them this
# display, or end their session midway.
export WINEPREFIX=$PWD/build/wineprefix-search WINEDEBUG=-all
bench=$PWD/build/windows/bench
root="Z:${tree//\//\\}"

# One warm Wine session for every run, as a user's desktop has.
wineserver -p >/dev/null 2>&1 </dev/null
trap 'wineserver -k' EXIT
wine cmd /c exit >/dev/null 2>&1 </dev/null

wine "$bench/search_bench.exe" "$root"
wine "$bench/search_bench.exe" "$root" --sequential | tail -n 2
wine "$bench/plain_walk.exe" "$root"
# Quoted, since hyperfine splits its commands as a shell would and takes backslashes as escapes.
hyperfine -N -w 1 -r 6 \
    "wine $bench/search_bench.exe '$root'" \
    "wine $bench/search_bench.exe '$root' --sequential" \
    "wine $bench/plain_walk.exe '$root'"
