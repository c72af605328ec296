#!/usr/bin/env bash
# Both calculators read through AT-SPI, on a session bus and accessibility bus of the test's
# own (screen_reader.py). Usage: screen_reader.sh SAVECALC LOANCALC
set -euo pipefail
here=$(dirname "$0")
source "$here/x_session.sh"
start_x_session
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus_launcher=$!
trap 'stop_x_session; kill "$bus_launcher" "$DBUS_SESSION_BUS_PID" 2>/dev/null || true' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

for program in "$1" "$2"; do
  "$program" 2>/dev/null &
  program_pid=$!
  name=$(basename "$program")
  [ "$name" = savecalc ] && title=Quendrel || title=Maribosk
  id=$(wait_for_window "$title")
  echo "== $name"
  /usr/bin/python3 "$here/screen_reader.py" "$name" "$id"
  kill "$program_pid"; wait "$program_pid" 2>/dev/null || true; program_pid=
done
