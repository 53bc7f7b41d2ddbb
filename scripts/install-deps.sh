#!/usr/bin/env bash
# Installs the Debian packages that building and testing need. Idempotent:
# packages already present are left alone and apt is only asked for the rest.
# Run as root (the README's commands call it).
set -euo pipefail

packages=(
    cmake make g++ pkg-config file
    libgtest-dev googletest
    g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64
    libfreetype-dev libfontconfig-dev libpng-dev fonts-liberation2 fontconfig
    libzxing-dev libzint-dev
    libqrencode-dev libdmtx-dev
    clang libclang-rt-14-dev
)

# The 32-bit Windows programs run under wine32, which needs a kernel that runs
# 32-bit programs. This 232-byte i386 program only exits; where it cannot run,
# the Windows tests use the 64-bit Windows build under wine64 instead.
kernel_runs_32bit() {
    local probe
    probe=$(mktemp)
    echo 'f0VMRgEBAQAAAAAAAAAAAAIAAwABAAAAVIAECDQAAABwAAAAAAAAADQAIAABACgAAwACAAEAAABUAAAAVIAECFSABAgJAAAACQAAAAUAAAAEAAAAuAEAAAAx282AAC5zaHN0cnRhYgAudGV4dAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAALAAAAAQAAAAYAAABUgAQIVAAAAAkAAAAAAAAAAAAAAAQAAAAAAAAAAQAAAAMAAAAAAAAAAAAAAF0AAAARAAAAAAAAAAAAAAABAAAAAAAAAA==' | base64 -d > "$probe"
    chmod +x "$probe"
    local result=1
    "$probe" 2>/dev/null && result=0
    rm -f "$probe"
    return $result
}

if kernel_runs_32bit; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "install-deps: enabling the i386 architecture for wine32"
        dpkg --add-architecture i386
    fi
    packages+=(wine32:i386)
fi

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
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "install-deps: done"
