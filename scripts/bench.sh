#!/usr/bin/env bash
# Builds the benchmark against the peer libraries (zint, zxing-cpp,
# libqrencode, libdmtx) in a Release build in build/bench and runs it: our
# encoders and full print requests beside the peers on the same data, one
# line per case with the ratio ours / peer; then whole processes of
# barcode-print beside zint's command line (one label, and a batch).
#   bash scripts/bench.sh
#   BARCODE_SKIP_DEPS=1 bash scripts/bench.sh    without installing packages
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

if [ "${BARCODE_SKIP_DEPS:-}" != 1 ]; then
    bash scripts/install-deps.sh
fi
echo "== Building the bench (build/bench)"
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DBARCODE_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench -j 2 --target bench barcode-print

# The run keeps its profile, log and catalog inside the build folder; with no
# barcode.ini there, logging is off as it is by default.
export BARCODE_WINDIR="$root/build/bench/home/windows"
export BARCODE_DOSROOT="$root/build/bench/home/drives"
export BARCODE_SYSDIR="$root/build/bench/share/barcode"
mkdir -p "$BARCODE_WINDIR" "$BARCODE_DOSROOT"
echo "== Running the bench"
build/bench/bin/bench
echo "== Whole processes: barcode-print and zint's command line (CPU time)"
bash bench/process-bench.sh build/bench/bin/barcode-print
