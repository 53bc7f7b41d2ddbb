#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build/fuzz and runs each for a while.
#   bash scripts/fuzz.sh            60 seconds per target
#   bash scripts/fuzz.sh 600        ten minutes per target
#   bash scripts/fuzz.sh 30 fuzz_encoders    one target
#   bash scripts/fuzz.sh ci         a fixed number of runs from a fixed seed,
#                                   so that the test command is repeatable
# The corpus of each target grows in build/fuzz/corpus/<target>, seeded from
# fuzz/seeds/<target>; a finding stops with the crashing input in
# build/fuzz/findings/. Exits non-zero when a target finds anything.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-60}
shift || true
if [ "$seconds" = ci ]; then
    limits=(-seed=1 -runs=3000)
else
    limits=(-max_total_time="$seconds")
fi
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_print_request fuzz_continuation fuzz_encoders fuzz_catalog fuzz_profile)

if [ "${BARCODE_SKIP_DEPS:-}" != 1 ]; then
    bash scripts/install-deps.sh
fi
echo "== Building the fuzz targets (build/fuzz)"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARCODE_FUZZ=ON >/dev/null
cmake --build build/fuzz -j 2 --target fuzzers

# The runs keep their profiles, logs, catalog and the font faces they
# resolve (a face name in a command is one of the inputs) inside the build
# folder.
export XDG_CACHE_HOME="$root/build/fuzz/cache"
export BARCODE_WINDIR="$root/build/fuzz/home/windows"
export BARCODE_DOSROOT="$root/build/fuzz/home/drives"
export BARCODE_SYSDIR="$root/build/fuzz/share/barcode"
mkdir -p "$BARCODE_WINDIR" "$BARCODE_DOSROOT" build/fuzz/findings
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp"

failed=()
for target in "${targets[@]}"; do
    corpus="build/fuzz/corpus/$target"
    mkdir -p "$corpus"
    seeds=()
    [ -d "fuzz/seeds/$target" ] && seeds=("fuzz/seeds/$target")
    echo "== $target (${limits[*]})"
    # In ci mode the corpus starts from the seeds alone each time.
    [ "$seconds" = ci ] && rm -rf "$corpus" && mkdir -p "$corpus"
    if ! build/fuzz/bin/"$target" "$corpus" "${seeds[@]}" "${limits[@]}" \
        -max_len=4096 -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/findings/$target-" >"build/fuzz/$target.log" 2>&1; then
        tail -40 "build/fuzz/$target.log"
        failed+=("$target")
    else
        grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "build/fuzz/$target.log" | tr '\n' ' '
        echo
    fi
done
if [ ${#failed[@]} -ne 0 ]; then
    echo "== Fuzz findings in: ${failed[*]} (inputs in build/fuzz/findings)"
    exit 1
fi
echo "== No findings"
