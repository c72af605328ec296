# Shared by the real-window tests: an X server of their own (Xvfb on a free display) with the
# openbox window manager, torn down when the test ends.

start_x_session() {
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  x_server=$!
  trap stop_x_session EXIT
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
  export DISPLAY=":$(cat "$display_file")"
  # The programs draw on this server, whatever platform the caller's environment names.
  export QT_QPA_PLATFORM=xcb
  rm -f "$display_file"
  openbox --sm-disable >/dev/null 2>&1 &
  window_manager=$!
  for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && return 0; sleep 0.05; done
  echo "the window manager did not start" >&2
  return 1
}

stop_x_session() {
  kill "${program_pid:-}" "${window_manager:-}" "${x_server:-}" "${bus_launcher:-}" "${DBUS_SESSION_BUS_PID:-}" 2>/dev/null || true
}

# A session bus and accessibility bus of the test's own, with Qt's accessibility always on;
# stopped with the X session.
start_accessibility_buses() {
  eval "$(dbus-launch --sh-syntax)"
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  bus_launcher=$!
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# The id of the visible window with this exact title, waiting up to ten seconds for it.
wait_for_window() {
  local id
  id=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || true
  [ -n "$id" ] || { echo "no window titled $1" >&2; return 1; }
  # Let the window manager finish framing and placing it.
  sleep 0.5
  echo "$id"
}

# "WIDTHxHEIGHT" of a window's client area.
client_size() {
  xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'
}

# "WIDTHxHEIGHT" of a window with its frame, as the window manager reports the frame.
outer_size() {
  local size extents left right top bottom
  size=$(client_size "$1")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ',')
  read -r left right top bottom <<<"${extents:-0 0 0 0}"
  echo "$(( ${size%x*} + left + right ))x$(( ${size#*x} + top + bottom ))"
}

# Waits up to ten seconds for the program to end and checks its exit status.
expect_exit_status_zero() {
  local status=0
  for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
  wait "$program_pid" || status=$?
  program_pid=
  [ "$status" -eq 0 ] || { echo "the program ended with status $status" >&2; return 1; }
}

check() {
  local what=$1 expected=$2 actual=$3
  if [ "$expected" != "$actual" ]; then
    echo "FAIL: $what: expected $expected, got $actual" >&2
    exit 1
  fi
  echo "ok: $what: $actual"
}
