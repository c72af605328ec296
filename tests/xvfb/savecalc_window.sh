#!/usr/bin/env bash
# savecalc in a real, framed window: its client area is 304 x 301, it refuses to be resized,
# and a close request from the window manager ends it with status 0.
set -euo pipefail
source "$(dirname "$0")/x_session.sh"
start_x_session

"$1" &
program_pid=$!
id=$(wait_for_window Quendrel)
check "client area" 304x301 "$(client_size "$id")"

xdotool windowsize "$id" 500 450
sleep 0.5
check "client area after a resize request" 304x301 "$(client_size "$id")"

wmctrl -i -c "$id"
expect_exit_status_zero
echo "ok: closed by the window manager with status 0"
