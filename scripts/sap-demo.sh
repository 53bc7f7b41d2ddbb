#!/usr/bin/env bash
# Sondrel against the sample SAP system under Wine: the RFC stand-in
# (librfc32.dll, built beside Sondrel.exe) answers for a simulated system
# kept in plain files, so that the import of device types and the export of
# changed print controls can be shown without SAP. The demo works on its own
# copy of tests/sap-systems (<build>/sap-demo), which keeps what an export
# wrote until --reset.
#
# Usage: sap-demo.sh [--reset] [--xvfb] [--build <dir>]
#   --reset         start again from the sample system
#   --xvfb, --build as for run-sondrel.sh (default build/win64)
#
# In the start dialog keep "Import existing devices type from SAP", then log
# on with Systemname T01, Systemnumber 0, User DEVELOPER, Password init1234,
# Client 100, Hostname sapt01, and choose ZSWIN_A.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win64
reset=0
passed=()
while [ $# -gt 0 ]; do
    case $1 in
    --reset) reset=1; shift ;;
    --xvfb) passed+=("$1"); shift ;;
    --build) build=$(realpath -m "$2"); passed+=("$1" "$build"); shift 2 ;;
    *) echo "usage: sap-demo.sh [--reset] [--xvfb] [--build <dir>]" >&2; exit 2 ;;
    esac
done

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARCODE_BUILD_TESTS=ON \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
        -DBARCODE_NATIVE_BUILD_DIR="$root/build/linux" >/dev/null
fi
cmake --build "$build" -j 2 --target librfc32

systems=$build/sap-demo
if [ "$reset" = 1 ] || [ ! -d "$systems" ]; then
    rm -rf "$systems"
    mkdir -p "$systems"
    cp -r "$root/tests/sap-systems/." "$systems/"
fi
# Wine hands the Unix environment to Windows programs; the stand-in reads a
# Windows path (drive Z: is the Unix root).
export RFC_STANDIN_ROOT="Z:${systems//\//\\}"
exec bash "$root/scripts/run-sondrel.sh" "${passed[@]}"
