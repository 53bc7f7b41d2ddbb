#!/usr/bin/env bash
# Builds both builds and runs every test:
#   build/linux  - the Linux native build; its unit tests run natively;
#   build/win32  - the 32-bit Windows product build (Barcode.dll and programs);
#   build/win64  - the same sources as 64-bit Windows programs, for the tests
#                  under wine64.
# The Windows tests run under Wine in a prefix inside the build folder.
# Installs the Debian packages it needs first. Exits non-zero when a build or
# any test fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=2

echo "== Installing build and test packages"
bash scripts/install-deps.sh

failed=()
run_step() {
    local name=$1
    shift
    echo "== $name"
    if ! "$@"; then
        failed+=("$name")
    fi
}

# The tests are asked for, not taken from the cache: the demo configures a
# new build/linux without them, and here a missing test package must fail the
# configuration rather than leave the tests out.
configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARCODE_BUILD_TESTS=ON "$@" >/dev/null &&
        cmake --build "$dir" -j "$jobs"
}

run_step "Linux build" configure_and_build build/linux
run_step "Linux tests" ctest --test-dir build/linux -j "$jobs" --output-on-failure

# The benchmark is its own command (scripts/bench.sh); here every case runs
# once, so that a change that breaks a case or lets a print request's
# allocations grow fails the tests.
bench_runs() {
    cmake --build build/linux -j "$jobs" --target bench >/dev/null &&
        BARCODE_WINDIR="$root/build/linux/test-home/windows" \
        BARCODE_DOSROOT="$root/build/linux/test-home/drives" \
        build/linux/bin/bench --quick >build/linux/bench-quick.log 2>&1 ||
        { tail -30 build/linux/bench-quick.log; return 1; }
}
run_step "Benchmark cases run" bench_runs

run_step "Windows 32-bit build" configure_and_build build/win32 \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DBARCODE_NATIVE_BUILD_DIR="$root/build/linux"

# The product's export table needs no Wine: objdump reads it from the file.
run_step "Windows 32-bit export table" ctest --test-dir build/win32 -R '^export_table$' --output-on-failure

# The Windows tests run the 64-bit build of the same sources under wine64:
# wine32 needs a kernel that runs 32-bit programs and the i386 package
# indexes, which not every machine that runs this command has, and the
# tests must not change with the machine.
wine_build=build/win64
run_step "Windows 64-bit test build" configure_and_build build/win64 \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DBARCODE_NATIVE_BUILD_DIR="$root/build/linux"
run_step "Windows tests under Wine" ctest --test-dir "$wine_build" --output-on-failure
WINEPREFIX="$root/$wine_build/wineprefix" /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true

# Every fuzz target for a fixed number of runs; `bash scripts/fuzz.sh 600`
# runs them for long.
run_step "Fuzz targets, brief" env BARCODE_SKIP_DEPS=1 bash scripts/fuzz.sh ci

if [ ${#failed[@]} -ne 0 ]; then
    echo "== FAILED: ${failed[*]}"
    exit 1
fi
echo "== All builds and tests passed"
