#!/usr/bin/env bash
# The main job: builds the Linux native build and renders barcodes with the
# command-line renderer. Installs the Debian packages it needs first: only
# those of the renderer, not those of the tests and the Windows builds.
#
#   bash scripts/demo.sh                 renders the sample label to label.png
#   bash scripts/demo.sh ARGUMENTS...    runs barcode-print with the arguments
#
# BARCODE_DEMO_BUILD_DIR builds somewhere else than build/linux.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${BARCODE_DEMO_BUILD_DIR:-build/linux}

echo "== Installing the renderer's build packages"
bash scripts/install-deps.sh renderer
echo "== Building $build"
# A folder configured here for the first time leaves out the tests, whose
# packages the demo does not install; a folder the test command configured
# keeps them (it asks for them itself).
configure=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
[ -f "$build/CMakeCache.txt" ] || configure+=(-DBARCODE_BUILD_TESTS=OFF)
cmake -S . -B "$build" "${configure[@]}" >/dev/null
cmake --build "$build" -j 2 --target barcode-print
renderer=$build/bin/barcode-print

if [ $# -gt 0 ]; then
    echo "== barcode-print $*"
    exec "$renderer" "$@"
fi

# The sample label's page and commands, kept in one file that the tests
# check too: a line starting with "-" holds options, any other line one
# barcode command.
label_arguments=()
while IFS= read -r line; do
    case $line in
    '' | '#'*) ;;
    -*)
        read -ra words <<<"$line"
        label_arguments+=("${words[@]}")
        ;;
    *) label_arguments+=("$line") ;;
    esac
done <tools/barcode-print/sample-label.txt

echo "== Rendering the sample label to label.png"
"$renderer" "${label_arguments[@]}" -o label.png
echo "== Wrote $(pwd)/label.png"
