#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quendrel calculators team
# SPDX-License-Identifier: GPL-3.0-or-later
# Each program's window, on a headless Weston of its own, gives the compositor its menu entry's
# name as its app id: what finds its icon and groups its windows on a Wayland desktop. Run inside
# session.sh, which ends whatever is left running. Usage: check_app_id.sh PROGRAM DESKTOP_FILE...
set -euo pipefail
export XDG_RUNTIME_DIR=$(mktemp -d) WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
weston --backend=headless-backend.so --socket=$WAYLAND_DISPLAY --idle-time=0 >/dev/null 2>&1 &
deadline=$((SECONDS + 60))
until [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; do
  [ $SECONDS -lt $deadline ] || { echo "FAIL: no Weston in 60 s"; exit 1; }
  sleep 0.05
done
while [ $# -gt 0 ]; do
  program=$1 expected=$(basename "$2" .desktop)
  shift 2
  # libwayland logs each request the program sends, to a log of the program's own.
  log=$XDG_RUNTIME_DIR/$(basename "$program").log
  WAYLAND_DEBUG=client "$program" 2>"$log" &
  until grep -aq 'set_app_id("[^"]*")' "$log"; do
    [ $SECONDS -lt $deadline ] && kill -0 $! 2>/dev/null || { echo "FAIL: $program sent no app id"; exit 1; }
    sleep 0.05
  done
  kill $!
  wait $! 2>/dev/null || true
  sent=$(grep -ao 'set_app_id("[^"]*")' "$log")
  [ "$sent" = "set_app_id(\"$expected\")" ] || { echo "FAIL: $program sent $sent, not $expected"; exit 1; }
done
