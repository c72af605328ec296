#!/usr/bin/env bash
# loancalc in a real window framed by openbox: the load procedure makes the outer frame
# 471 x 335; enlarging the window leaves every control where it was; the exit button and
# the window manager's close request each end the program with status 0.
set -euo pipefail
here=$(dirname "$0")
source "$here/x_session.sh"
start_x_session
dumps=$(mktemp -d)

"$1" &
program_pid=$!
id=$(wait_for_window Maribosk)
check "outer size" 471x335 "$(outer_size "$id")"

client=$(client_size "$id")
xwd -id "$id" -silent >"$dumps/before.xwd"
xdotool windowsize "$id" 640 480
sleep 0.5
check "client area after enlarging" 640x480 "$(client_size "$id")"
xwd -id "$id" -silent >"$dumps/after.xwd"
# Everything the window showed before stays as it was; Text1 holds the blinking caret.
python3 "$here/same_pixels.py" "$dumps/before.xwd" "$dumps/after.xwd" "${client%x*}" "${client#*x}" 148,38,83,25
echo "ok: the controls stayed where they were"

xdotool mousemove --window "$id" 407 227 click 1
expect_exit_status_zero
echo "ok: the exit button ended the program with status 0"

"$1" &
program_pid=$!
id=$(wait_for_window Maribosk)
wmctrl -i -c "$id"
expect_exit_status_zero
echo "ok: closed by the window manager with status 0"
rm -rf "$dumps"
