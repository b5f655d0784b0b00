#!/usr/bin/env bash
# Times the drive search against fd and against the plain sequential walk on a large tree.
#   bench/compare-search.sh [TREE]   (default: a depth-8 tree built under /tmp)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
ensure_packages cmake make g++ libgtest-dev fd-find hyperfine python3

tree=${1:-/tmp/quillon-bench-tree}
if [ ! -d "$tree" ]; then
    ../shared/tools/make-tree "$tree" --depth 8 --installs 3
fi
cmake --preset core >/dev/null
cmake --build --preset core --target search_bench >/dev/null
bench=build/core/bench/search_bench

"$bench" "$tree"
"$bench" "$tree" --sequential | tail -n 1
echo "fd:  $(fdfind -u -i --glob sp_pak2.pk3 "$tree" | wc -l) matches"
hyperfine -N -w 3 -r 15 \
    "fdfind -u -i --glob sp_pak2.pk3 $tree" "$bench $tree" "$bench $tree --sequential"
