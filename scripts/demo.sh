#!/usr/bin/env bash
# The main job: builds the Linux native build and runs the command-line
# renderer. Installs the Debian packages it needs first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

echo "== Installing build packages"
bash scripts/install-deps.sh
echo "== Building build/linux"
cmake -S . -B build/linux -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/linux -j 2 --target barcode-print
echo "== Running barcode-print $*"
build/linux/bin/barcode-print "${@:---types}"
