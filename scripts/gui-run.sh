#!/usr/bin/env bash
# Runs a Windows program that has windows (a GUI test driver, or Sondrel by
# hand) under Wine in the build's GUI prefix, on a display of its own.
#
# Usage: gui-run.sh [--display] [--prefix <name>] <wine loader> <build dir> <program> [arguments...]
#   --display        use the current $DISPLAY instead of a new Xvfb server
#   --prefix <name>  run in the prefix <build>/<name> (home <build>/<name>-home)
#                    instead of the GUI prefix: for programs that change the
#                    machine (the installer writes HKLM entries, a shortcut and
#                    files into the System directory), so that nothing of
#                    theirs reaches the other GUI cases
#
# The GUI prefix (<build>/gui-prefix, home <build>/gui-home) is made once:
# Wine's own fonts are copied into it, since without them the caption
# buttons show letters instead of Marlett glyphs; windows are not managed,
# since without a window manager a managed dialog has no frame and every
# close waits 2 s. One wineserver stays warm for the whole run (later
# program starts then take about a second) and is ended afterwards, with
# any program the run left behind.
set -euo pipefail

use_display=0
prefix_name=gui-prefix
home_name=gui-home
prefix_option=()
while [ $# -gt 0 ]; do
    case "$1" in
        --display) use_display=1; shift ;;
        --prefix)
            if [ $# -lt 2 ] || ! [[ "$2" =~ ^[A-Za-z0-9][A-Za-z0-9_.-]*$ ]]; then
                echo "gui-run.sh: --prefix needs a plain directory name" >&2
                exit 2
            fi
            prefix_name=$2
            home_name=$2-home
            prefix_option=(--prefix "$2")
            shift 2 ;;
        *) break ;;
    esac
done
if [ $# -lt 3 ]; then
    echo "usage: gui-run.sh [--display] [--prefix <name>] <wine loader> <build dir> <program> [arguments...]" >&2
    exit 2
fi
loader=$1
build=$(cd "$2" && pwd)
shift 2

# A server started for one display must not serve the next run's: Wine's
# desktop process stays connected to the display it was started on.
if [ "$use_display" = 0 ] && [ -z "${BARCODE_GUI_UNDER_XVFB:-}" ]; then
    export BARCODE_GUI_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
        bash "$0" "${prefix_option[@]}" "$loader" "$build" "$@"
fi
if [ -z "${DISPLAY:-}" ]; then
    echo "gui-run.sh: no display (run without --display to use Xvfb)" >&2
    exit 2
fi

export WINEPREFIX="$build/$prefix_name"
export HOME="$build/$home_name"
export WINEDEBUG=${GUI_WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
case "$loader" in
    *64) export WINEARCH=win64 ;;
    *) export WINEARCH=win32 ;;
esac
wineserver="$(dirname "$loader")/wineserver"
mkdir -p "$HOME"

make_prefix() {
    echo "gui-run.sh: making the GUI prefix $WINEPREFIX" >&2
    "$loader" wineboot -i >/dev/null 2>&1 || true
    "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    "$wineserver" -w
    touch "$WINEPREFIX/.gui-ready"
}

# One run at a time per prefix: the cases of a run share the prefix's
# Windows directory and profiles. Wine's processes do not keep the lock.
exec 9>"$build/$prefix_name.lock"
flock 9
# With the lock held, a server of this prefix is one that an earlier run
# left when it was killed; it would serve the old display.
"$wineserver" -k >/dev/null 2>&1 || true
[ -f "$WINEPREFIX/.gui-ready" ] || make_prefix 9>&-

"$wineserver" -p 9>&-
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
trap 'exit 143' TERM INT
status=0
"$loader" "$@" 9>&- || status=$?
exit $status
