#!/bin/sh
# Runs a Windows program of the build tree under 64-bit Wine.
# The Wine prefix lives in the build tree (next to CMakeCache.txt).
set -e
# Without a DISPLAY everything below runs inside a private Xvfb: the program joins the desktop that the Wine
# start below may have opened, which must be on the program's display.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
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
# A persistent server keeps later starts quick; it ends, with Wine's services, two minutes after the last
# program (wineserver -p exits 0 when it starts a server, 2 when one runs). The first program of a server starts
# the services, which live as long as the server: were that the program to run, they would hold its output open
# after it ends, and a reader of that output (CTest) would wait for them. So the first program is the setting
# below, with its output detached.
# Without a window manager, hiding a managed top-level window waits two seconds for a state change that never
# comes; unmanaged windows close at once (tests create and destroy many windows). QEL_WINE_MANAGED=1 leaves the
# windows to the desktop's window manager (the demo on a display).
managed=N
[ "${QEL_WINE_MANAGED:-0}" = 1 ] && managed=Y
if wineserver -p120 2>/dev/null || [ "$(cat "$WINEPREFIX/.qel-managed" 2>/dev/null)" != "$managed" ]; then
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1 </dev/null &&
        echo "$managed" >"$WINEPREFIX/.qel-managed"
fi

exec "$WINE" "$exe" "$@"
