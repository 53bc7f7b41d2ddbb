#!/bin/sh
# Runs a Windows program under Wine in a prefix of the build's own.
# Usage: wine-run.sh <wine loader> <prefix directory> <program> [arguments...]
# CTest calls it as the cross-compiling emulator of the Windows builds.
set -e
loader=$1
prefix=$2
shift 2

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
case "$loader" in
    *64) export WINEARCH=win64 ;;
    *) export WINEARCH=win32 ;;
esac

# The first start creates the prefix (10 to 15 s); tests that start at the
# same time wait for it instead of racing to create it twice.
mkdir -p "$(dirname "$prefix")"
(
    flock 9
    if [ ! -f "$prefix/system.reg" ]; then
        "$loader" wineboot -i >/dev/null 2>&1 || true
        # Dialog windows close at once instead of after 2 s.
        "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    fi
) 9>"$prefix.lock"

exec "$loader" "$@"
