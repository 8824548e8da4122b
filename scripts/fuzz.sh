#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each from its seed corpus.
#   scripts/fuzz.sh                 a short fixed run of each (as CI does)
#   scripts/fuzz.sh 300             each for 300 seconds, with final statistics
#   scripts/fuzz.sh 300 session     one target only
# New inputs are collected in a scratch copy of the corpus, so the tree stays clean; copy
# interesting ones into fuzz/corpus/TARGET by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-}
only=${2:-}
# libclang-rt-dev follows clang's version on every release (14 on Debian 12, 19 on 13).
packages=(clang libclang-rt-dev libsqlite3-dev libpq-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=(); [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
fi
# ccache where it is installed; warnings as errors in CI.
options=()
command -v ccache > /dev/null && options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
[ "${CI:-}" = true ] && options+=(-DVT350_WERROR=ON)
cmake -S . -B build-fuzz -DVT350_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" > /dev/null
cmake --build build-fuzz -j"$(nproc)"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0 passed=0
for target in json_import file session device_change cli history_steps old_index udev_event unit_trim; do
    [ -n "$only" ] && [ "$only" != "$target" ] && continue
    cp -r "fuzz/corpus/$target" "$scratch/$target"
    if [ -n "$seconds" ]; then
        limit=(-max_total_time="$seconds" -print_final_stats=1)
    else
        limit=(-runs=20000)
    fi
    if build-fuzz/fuzz/${target}_fuzzer "$scratch/$target" "${limit[@]}" -timeout=30 -close_fd_mask=2 \
        > "$scratch/$target.log" 2>&1; then
        echo "fuzz $target: $(grep -E '^Done|^#[0-9]+.*DONE' "$scratch/$target.log" | tail -1)"
        passed=$((passed + 1))
    else
        echo "fuzz $target FAILED:"; tail -30 "$scratch/$target.log"
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ $failed -eq 0 ]
