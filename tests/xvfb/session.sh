#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quendrel calculators team
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on Xvfb with openbox and a session bus of its own, on Qt's xcb platform,
# whatever the caller's environment says; with --accessibility, also on an accessibility bus of
# its own with Qt's accessibility on. Usage: session.sh [--accessibility] COMMAND...
# The session is a process group led by this script run again under setsid, and keeps its files
# in a folder of its own (its TMPDIR). This first run ends the group and removes the folder once
# the leader has gone; a watcher does it if this run is SIGKILLed (CTest's timeout), since a
# process orphaned earlier is no longer CTest's descendant, though still in the group.
set -euo pipefail

if [ -z "${SESSION_LEADER:-}" ]; then
  files=$(mktemp -d)
  SESSION_LEADER=1 TMPDIR=$files setsid "$0" "$@" &
  leader=$!
  watcher=$(setsid bash -c 'tail --pid="$0" -s 0.2 -f /dev/null; kill -KILL -- -"$1" 2>/dev/null
                            for _ in $(seq 200); do pgrep -g "$1" >/dev/null || break; sleep 0.05; done; rm -rf "$2"' \
            $$ $leader "$files" </dev/null >/dev/null 2>&1 & echo $!)
  trap 'kill -TERM -- -$leader 2>/dev/null || true' TERM INT HUP
  status=0
  while :; do
    wait $leader && status=0 || status=$?
    kill -0 $leader 2>/dev/null || break  # woken by a signal: the leader is still ending
  done
  kill -KILL -- -$leader 2>/dev/null || true
  for _ in $(seq 200); do pgrep -g $leader >/dev/null || break; sleep 0.05; done
  kill $watcher 2>/dev/null || true
  rm -rf "$files"
  exit $status
fi

unset SESSION_LEADER DBUS_SESSION_BUS_ADDRESS DBUS_SESSION_BUS_PID
scratch=$(mktemp -d)
# Ends the group, this script excepted.
end_session() {
  rm -rf "$scratch"
  trap '' TERM
  kill -TERM -- -$$ 2>/dev/null || true
}
trap end_session EXIT
trap 'exit 143' TERM INT HUP

# Every part of the session is waited for until it answers, up to one overall limit.
deadline=$((SECONDS + 90))
await() {  # await WHAT COMMAND...: runs COMMAND until it succeeds
  local what=$1
  shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || { echo "session: no $what in 90 s" >&2; exit 1; }
    sleep 0.05
  done
}

# Without -noreset the server resets once its last client (the check below) has gone, and
# refuses connections meanwhile: on a busy machine the window manager then found no display.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
await "X server" test -s "$scratch/display"
export DISPLAY=":$(cat "$scratch/display")" QT_QPA_PLATFORM=xcb
await "X server on $DISPLAY" xdpyinfo

# The bus runs in the foreground of its own process, so it stays in the session's group.
dbus-daemon --session --nofork --print-address=4 4>"$scratch/bus" 2>/dev/null &
await "session bus" test -s "$scratch/bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$scratch/bus")
export DBUS_SESSION_BUS_ADDRESS

openbox --sm-disable >/dev/null 2>&1 &
await "window manager on $DISPLAY" wmctrl -m
# A window shown while openbox is still starting never gets the focus; it takes requests only
# once it has started, so one desktop is asked for until there is one.
await "window manager taking requests on $DISPLAY" sh -c 'wmctrl -n 1 && xprop -root _NET_NUMBER_OF_DESKTOPS | grep -q "= 1$"'

if [ "$1" = --accessibility ]; then
  shift
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  # Asked before it has its name, the session bus would start a second launcher of its own.
  await "accessibility bus launcher" sh -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q "boolean true"'
  await "accessibility bus address" sh -c 'dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >"$0" && test -s "$0"' "$scratch/a11y"
  a11y_bus=$(tr -d ' \n' <"$scratch/a11y")
  await "accessibility registry" dbus-send --bus="$a11y_bus" --print-reply --dest=org.a11y.atspi.Registry \
    /org/a11y/atspi/accessible/root org.freedesktop.DBus.Peer.Ping
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fi

# In the background, so that a signal to end the session is acted on at once.
"$@" &
status=0
wait $! || status=$?
exit $status
