#!/usr/bin/env bash
# Runs an accessibility test script against the real program: a private session bus with
# the accessibility bus on it, and an X server of its own.
# Usage: run-atspi.sh <program> <script.py> [more arguments for the script]
set -euo pipefail
program=$(realpath "$1")
script=$(realpath "$2")
shift 2
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
unset QT_QPA_PLATFORM
exec dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 "$@"
' run-atspi "$script" "$program" "$@"
