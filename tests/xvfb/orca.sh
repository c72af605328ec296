#!/usr/bin/env bash
# Orca itself, on a session and accessibility bus of the test's own and with no speech server,
# logs what it would say while both calculators are used: after the button is pressed it must
# say the results, and it must go on to speak the next Tab. Orca writes its log in blocks, so
# the log is read once Orca has ended. Usage: orca.sh SAVECALC LOANCALC
set -euo pipefail
here=$(dirname "$0")
source "$here/x_session.sh"
start_x_session
start_accessibility_buses
scratch=$(mktemp -d)
trap 'kill "${orca:-}" 2>/dev/null; stop_x_session; rm -rf "$scratch"' EXIT

# Clicks a point of the window and types there, slowly enough for Orca's key handling.
enter() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
  xdotool type --delay 250 "$4"
}

mkdir "$scratch/home" "$scratch/run"
HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/run LANG=C.UTF-8 \
  /usr/bin/orca --debug-file="$scratch/orca.log" >/dev/null 2>&1 &
orca=$!
sleep 5

for program in "$1" "$2"; do
  "$program" 2>/dev/null &
  program_pid=$!
  if [ "$(basename "$program")" = savecalc ]; then
    id=$(wait_for_window Quendrel)
    sleep 1
    enter "$id" 184 88 1000; enter "$id" 184 128 2.25; enter "$id" 184 168 12
    sleep 1; xdotool mousemove --window "$id" 160 260 click 1
  else
    id=$(wait_for_window Maribosk)
    sleep 1
    enter "$id" 190 50 20; enter "$id" 190 90 60; enter "$id" 190 125 12; enter "$id" 190 163 0.465
    sleep 1; xdotool mousemove --window "$id" 297 227 click 1
  fi
  sleep 3; xdotool key Tab; sleep 2
  kill "$program_pid"; wait "$program_pid" 2>/dev/null || true; program_pid=
  sleep 1
done
kill -0 "$orca" 2>/dev/null || { echo "FAIL: Orca ended while the calculators ran" >&2; exit 1; }
kill -TERM "$orca"
for _ in $(seq 100); do kill -0 "$orca" 2>/dev/null || break; sleep 0.1; done
sed -n "s/.*SPEECH OUTPUT: '\(.*\)' \?{'established.*/\1/p" "$scratch/orca.log" >"$scratch/said"
/usr/bin/python3 - "$scratch/said" <<'PY'
import sys
said = open(sys.argv[1], encoding="utf-8").read().splitlines()
runs = [("savecalc", "Quendrel.", "notification 本利和：12146.25元."),
        ("loancalc", "Maribosk.", "notification 每隔 5 月偿还一次，每次偿还金额为 1.931692 万元。偿还总额为 23.1803 万元。")]
starts = [said.index(window) if window in said else sys.exit(f"FAIL: Orca never said {window!r}: {said}")
          for _, window, _ in runs]
for (name, _, results), start, end in zip(runs, starts, starts[1:] + [len(said)]):
    heard = said[start:end]
    if results not in heard:
        sys.exit(f"FAIL: {name}: Orca did not say {results!r}; it said {heard}")
    after = heard[heard.index(results) + 1:]
    tab = [line.strip() for line in after].index("tab") if "tab " in after else len(after)
    if tab + 1 >= len(after):
        sys.exit(f"FAIL: {name}: Orca said nothing for the Tab after the results: {after}")
    print(f"ok: {name}: after the button Orca said {results!r}, then {' | '.join(after)!r}")
PY
