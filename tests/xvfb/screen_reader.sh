#!/usr/bin/env bash
# Both calculators read through AT-SPI, on a session bus and accessibility bus of the test's
# own (screen_reader.py). Usage: screen_reader.sh SAVECALC LOANCALC
set -euo pipefail
here=$(dirname "$0")
source "$here/x_session.sh"
start_x_session
start_accessibility_buses

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
