#!/usr/bin/env bash
# Installs the Debian packages that building and testing need. Idempotent:
# packages already present are left alone and apt is only asked for the rest.
# Run as root (the README's commands call it).
#   install-deps.sh             everything: both builds, Wine, the tests' oracles,
#                               the fuzzers (the test command)
#   install-deps.sh renderer    only what the Linux build of barcode-print needs,
#                               configured without its tests (the demo)
set -euo pipefail
mode=${1:-all}

# The library and barcode-print on Linux: the compiler and CMake, and the
# platform layer's PNG writer and text engine (FreeType, fontconfig and the
# metric-compatible fonts it resolves Windows face names to).
renderer_packages=(
    cmake make g++ pkg-config
    libfreetype-dev libfontconfig-dev libpng-dev fonts-liberation2 fontconfig
)
# The tests, the Windows builds and their Wine runs, the GUI tests' display
# (Xvfb), pictures, Wine's own fonts and PostScript rendering of printed
# pages, the oracles and peers (zxing-cpp, zint, libqrencode, libdmtx) and
# the fuzzers.
test_packages=(
    file python3
    libgtest-dev googletest
    g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64
    xvfb xauth imagemagick fonts-wine ghostscript
    libzxing-dev libzint-dev zint
    libqrencode-dev libdmtx-dev
    clang libclang-rt-14-dev
)

case $mode in
renderer)
    packages=("${renderer_packages[@]}")
    ;;
all)
    packages=("${renderer_packages[@]}" "${test_packages[@]}")
    ;;
*)
    echo "install-deps: unknown mode $mode (renderer, or none for everything)" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all packages present"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# A mirror in the middle of a sync fails one index or another; apt keeps
# the indexes it could read, which are usually enough for the install.
if ! apt-get update -qq; then
    echo "install-deps: the package index update failed; trying again in 20 s"
    sleep 20
    apt-get update -qq || echo "install-deps: going on with the indexes apt has"
fi
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "install-deps: done"
