#!/bin/sh
# Runs a Windows program of the build tree under 64-bit Wine.
# The Wine prefix lives in the build tree (next to CMakeCache.txt); a persistent wineserver keeps later
# starts quick; without a DISPLAY the program runs inside a private Xvfb.
set -e
exe=$1
shift

dir=$(cd "$(dirname "$exe")" && pwd)
build=$dir
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
[ -f "$build/CMakeCache.txt" ] || build=$dir

export WINEPREFIX="${QEL_WINEPREFIX:-$build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win64
# The 64-bit loader directly: the wrapper may pick a 32-bit loader, which cannot run here.
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=$(command -v wine64)
# DLLs of the build (and the compiler runtime copied there) are found through the search path.
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
export WINEPATH="$(winpath "$build/bin")${WINEPATH:+;$WINEPATH}"

# A prefix is ready once its system directory holds the Windows DLLs. Making one can stop half way on a
# loaded machine (the registry written, the DLLs not), and such a prefix cannot start anything: the prefix of
# the build tree is then made again, a few times at most. Never let a Mono or Gecko installer ask anything.
prefix_ready() { [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; }
for attempt in 1 2 3; do
    prefix_ready && break
    if [ "$attempt" -gt 1 ]; then
        echo "wine-run: the Wine prefix $WINEPREFIX is incomplete; making it again" >&2
        wineserver -k 2>/dev/null || true
        [ -z "${QEL_WINEPREFIX:-}" ] && rm -rf "$WINEPREFIX"
    fi
    WINEDLLOVERRIDES="mscoree,mshtml=d" "$WINE" wineboot --init >/dev/null 2>&1 || true
    wineserver -w 2>/dev/null || true
done
wineserver -p 2>/dev/null || true
if [ "${QEL_WINE_MANAGED:-0}" != 1 ] && [ ! -f "$WINEPREFIX/.qel-unmanaged" ]; then
    # Without a window manager, hiding a managed top-level window waits two seconds for a state change
    # that never comes; unmanaged windows close at once (tests create and destroy many windows).
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 && touch "$WINEPREFIX/.qel-unmanaged"
fi

if [ -z "$DISPLAY" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$WINE" "$exe" "$@"
fi
exec "$WINE" "$exe" "$@"
