# Installs what the build and the tests need on a Debian 12 machine, when missing. Sourced by the scripts.

say() { printf '==> %s\n' "$*"; }

qel_missing_packages() {
    missing=
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $pkg"
    done
    printf '%s' "$missing"
}

qel_install() {
    missing=$(qel_missing_packages "$@")
    [ -z "$missing" ] && return 0
    say "installing:$missing"
    SUDO=
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    # shellcheck disable=SC2086
    $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

# The cross compilers, CMake, Wine (64-bit only: no i386 architecture is needed) and a virtual display.
QEL_BUILD_PACKAGES="cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 xvfb xauth"
# GoogleTest sources; clang with its sanitizer runtime for the native fuzzing of the date parser, and with
# lld as the second compiler of the libraries.
QEL_TEST_PACKAGES="googletest clang libclang-rt-14-dev lld"

# Starts a private X server for the run when there is no display; stops it on exit.
qel_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    for n in 91 92 93 94 95 96 97 98 99; do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        QEL_XVFB_PID=$!
        export DISPLAY=":$n"
        sleep 1
        return 0
    done
}

qel_stop_display() {
    [ -n "${QEL_XVFB_PID:-}" ] && kill "$QEL_XVFB_PID" 2>/dev/null
    QEL_XVFB_PID=
}
