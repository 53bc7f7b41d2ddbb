#!/usr/bin/env bash
# The memory checks that take too long for the test command:
#   1. one million print requests of every kind in one process (the native
#      build), which must leave the heap, the resident memory and the GDI
#      objects where they were after the warm-up;
#   2. every native test program built with AddressSanitizer, LeakSanitizer
#      and UndefinedBehaviorSanitizer (build/asan) and run: no leak, no bad
#      access, no undefined behaviour anywhere in the suite.
#   bash scripts/memory.sh              both
#   bash scripts/memory.sh requests [N] the long run alone (N requests, default 1000000)
#   bash scripts/memory.sh sanitize     the sanitized suite alone
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
what=${1:-all}
requests=${2:-1000000}
jobs=2

if [ "${BARCODE_SKIP_DEPS:-}" != 1 ]; then
    bash scripts/install-deps.sh
fi

failed=()

run_requests() {
    echo "== $requests print requests in one process (build/linux)"
    # The demo may have configured build/linux without its tests.
    cmake -S . -B build/linux -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARCODE_BUILD_TESTS=ON >/dev/null
    cmake --build build/linux -j "$jobs" --target stress_tests
    (cd build/linux/bin &&
        BARCODE_WINDIR="$root/build/linux/test-home/windows" \
        BARCODE_DOSROOT="$root/build/linux/test-home/drives" \
        BARCODE_MEMORY_REQUESTS="$requests" \
        ./stress_tests --gtest_filter='MemoryTest.*') || failed+=("requests")
}

run_sanitized_suite() {
    echo "== The native tests with AddressSanitizer, LeakSanitizer and UBSan (build/asan)"
    cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DBARCODE_SANITIZE=ON >/dev/null
    cmake --build build/asan -j "$jobs"
    # The memory test runs briefly here (its long run is the other half);
    # fontconfig's caches, kept for the life of the process, are suppressed.
    BARCODE_MEMORY_REQUESTS=2000 \
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp" \
        ctest --test-dir build/asan -j "$jobs" --output-on-failure --timeout 900 \
        || failed+=("sanitized suite")
}

case "$what" in
    requests) run_requests ;;
    sanitize) run_sanitized_suite ;;
    all) run_requests; run_sanitized_suite ;;
    *) echo "usage: memory.sh [all|requests [N]|sanitize]" >&2; exit 2 ;;
esac

if [ ${#failed[@]} -ne 0 ]; then
    echo "== FAILED: ${failed[*]}"
    exit 1
fi
echo "== Memory checks passed"
