#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quendrel calculators team
# SPDX-License-Identifier: GPL-3.0-or-later
# In a real window under a window manager, the desktop's quit and close keys end either
# program from its first text box, after typing, with status 0: as the title bar's close button
# does. Each step waits for the state it needs, within one overall limit.
# Usage, inside tests/xvfb/session.sh: keys.sh PROGRAM TITLE [PROGRAM TITLE]...
set -uo pipefail
deadline=$((SECONDS + 120))
failures=0 passes=0
until_true() {  # until_true WHAT COMMAND...: runs COMMAND until it succeeds, or fails the row
  local what=$1
  shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || { echo "FAIL: $row: no $what" >&2; return 1; }
    sleep 0.05
  done
}
while [ $# -ge 2 ]; do
  program=$1 title=$2
  shift 2
  for key in ctrl+q ctrl+w; do
    row="$(basename "$program") $key"
    "$program" 2>/dev/null &
    pid=$!
    # The window is searched for again until shown; a search that meets a closing window fails.
    id=
    find_window() { id=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1); [ -n "$id" ]; }
    if until_true "window titled $title" find_window && until_true "focus in $title" sh -c "[ \"\$(xdotool getactivewindow)\" = $id ]"; then
      xdotool type --window "$id" 12
      xdotool key --clearmodifiers "$key"
      if until_true "end of the program after $key" sh -c "! kill -0 $pid"; then
        wait "$pid"
        status=$?
        if [ $status = 0 ]; then passes=$((passes + 1)); else failures=$((failures + 1)); echo "FAIL: $row: status $status" >&2; fi
        continue
      fi
    fi
    failures=$((failures + 1))
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
done
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
