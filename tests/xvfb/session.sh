#!/usr/bin/env bash
# Runs a command on an X server of its own (Xvfb) with the openbox window manager and a session
# bus of its own, on Qt's xcb platform, whatever the caller's environment says: neither the
# caller's desktop bus nor its settings reach the programs, and none is started behind the
# test's back. With --accessibility, also on an accessibility bus of its own with Qt's
# accessibility on. Usage: session.sh [--accessibility] COMMAND...
set -euo pipefail
unset DBUS_SESSION_BUS_ADDRESS DBUS_SESSION_BUS_PID
trap 'kill $(jobs -p) ${DBUS_SESSION_BUS_PID:-} 2>/dev/null || true' EXIT
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
for _ in $(seq 200); do [ -s "$display_file" ] && xdpyinfo -display ":$(cat "$display_file")" >/dev/null 2>&1 && break; sleep 0.05; done
export DISPLAY=":$(cat "$display_file")" QT_QPA_PLATFORM=xcb
rm -f "$display_file"
eval "$(dbus-launch --sh-syntax)"
# The window manager is started again should it not come up on a busy machine.
for _ in 1 2 3; do
  openbox --sm-disable >/dev/null 2>&1 &
  for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break 2; sleep 0.05; done
  kill $! 2>/dev/null || true
done
wmctrl -m >/dev/null 2>&1 || { echo "no window manager on $DISPLAY" >&2; exit 1; }
if [ "$1" = --accessibility ]; then
  shift
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fi
"$@"
