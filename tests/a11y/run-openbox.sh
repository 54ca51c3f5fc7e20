#!/usr/bin/env bash
# Runs a test script against the real program under a window manager (openbox) that frames the
# windows and keeps a band of 40 pixels at the top of the screen for a panel, on the accessibility
# bus as run-atspi.sh does. Exits 77 (skipped) when openbox or the X tools it needs are missing.
# Usage: run-openbox.sh <program> <script.py> [more arguments for the script]
set -euo pipefail
for tool in openbox xprop xwininfo; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
config=$(mktemp --suffix=.xml)
trap 'rm -f "$config"' EXIT
sed 's#<top>0</top>#<top>40</top>#' /etc/xdg/openbox/rc.xml >"$config"
grep -q '<top>40</top>' "$config"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
unset QT_QPA_PLATFORM
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    trap "kill $launcher 2>/dev/null" EXIT
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
        openbox --config-file \"\$0\" 2>/dev/null &
        until xprop -root _NET_WORKAREA 2>/dev/null | grep -q \", 40,\"; do sleep 0.1; done
        /usr/bin/python3 \"\$@\"" "$@"
' run-openbox "$config" "$(realpath "$2")" "$(realpath "$1")" "${@:3}"
