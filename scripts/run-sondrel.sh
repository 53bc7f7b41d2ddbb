#!/usr/bin/env bash
# Runs Sondrel under Wine by hand: builds it in the 64-bit Windows build if
# needed, then starts bin/Sondrel.exe there, in the build's GUI prefix (the
# one the GUI tests use), with bin/ as its current directory, where it finds
# Barcode.dll and the catalog. Shown on the current display when there is
# one, else on a display of its own (Xvfb), where it can only be driven.
#
# Usage: run-sondrel.sh [--xvfb] [--build <dir>] [Sondrel arguments...]
#   --xvfb          run on Xvfb even when there is a display
#   --build <dir>   the 64-bit Windows build folder (default build/win64)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win64
display_option=
[ -n "${DISPLAY:-}" ] && display_option=--display
while [ $# -gt 0 ]; do
    case $1 in
    --xvfb) display_option= ; shift ;;
    --build) build=$(realpath -m "$2"); shift 2 ;;
    *) break ;;
    esac
done

# Configured as the test command configures it, so that both share the build.
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBARCODE_BUILD_TESTS=ON \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
        -DBARCODE_NATIVE_BUILD_DIR="$root/build/linux" >/dev/null
fi
cmake --build "$build" -j 2 --target Sondrel barcode bc_catalog

cd "$build/bin"
exec bash "$root/scripts/gui-run.sh" $display_option /usr/lib/wine/wine64 "$build" \
    "$build/bin/Sondrel.exe" "$@"
