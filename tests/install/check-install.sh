#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop finds there, then
# starts the installed program the two ways a user does: from the menu's command, which keeps
# the data in the user's data directory, and directly from a start directory.
# Usage: check-install.sh <build directory>
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
expect() { [ -e "$prefix/$1" ] || fail "missing $1"; }

expect bin/RotanDesk
expect bin/rotandesk
[ -x "$prefix/bin/rotandesk" ] || fail "the menu's command is not executable"
libdir=$(cd "$prefix" && ls -d lib*/ | head -n1)
libdir=${libdir%/}
expect "$libdir/libFormetryPKB6.so.1.0.0"
[ "$(readlink "$prefix/$libdir/libFormetryPKB6.so.1")" = libFormetryPKB6.so.1.0.0 ] || fail "no SONAME link"
[ "$(readlink "$prefix/$libdir/libFormetryPKB6.so")" = libFormetryPKB6.so.1 ] || fail "no development link"
objdump -p "$prefix/$libdir/libFormetryPKB6.so.1.0.0" | grep -q 'SONAME *libFormetryPKB6.so.1$' || fail "wrong SONAME"
expect include/FormetryPKB6/Formetry.h
expect share/applications/rotandesk.desktop
grep -qx 'Exec=rotandesk' "$prefix/share/applications/rotandesk.desktop" || fail "the menu entry does not start rotandesk"
for size in 16 22 24 32 48 64 128 256; do
    expect "share/icons/hicolor/${size}x${size}/apps/rotandesk.png"
done
found=$(ldd "$prefix/bin/RotanDesk" | sed -n 's/.*libFormetryPKB6.so.1 => \(.*\) (.*/\1/p')
[ -n "$found" ] && [ "$(realpath "$found")" = "$(realpath "$prefix/$libdir/libFormetryPKB6.so.1")" ] \
    || fail "the program does not find its library beside it"

# Waits until a data file appears in a directory while the program starts, then ends it.
start_and_wait() {
    local dir=$1; shift
    local pid
    QT_QPA_PLATFORM=offscreen "$@" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 1 300); do
        [ -e "$dir/zelrotandata.zel" ] && break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    [ -e "$dir/zelrotandata.zel" ] || fail "no data file in $dir"
}

# From the menu: no useful start directory; the data directory is created on first use.
(cd / && XDG_DATA_HOME="$work/xdg" start_and_wait "$work/xdg/RotanDesk" "$prefix/bin/rotandesk")
# From a terminal: the start directory.
mkdir "$work/shop"
(cd "$work/shop" && XDG_DATA_HOME="$work/xdg2" start_and_wait "$work/shop" "$prefix/bin/RotanDesk")
[ ! -e "$work/xdg2" ] || fail "started from a terminal, the program used the data directory"
echo "PASS: install tree and data directories"
