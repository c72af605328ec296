#!/usr/bin/env bash
# Both windows after a calculation, in real windows framed by openbox, under the light
# default, GNOME's dark style through Qt's GTK theme, the Adwaita-Dark Qt style, high
# contrast both ways and at 200 % display scale: every text legible, every designed colour
# as designed, the results drawn whole (legibility.py). Usage: themes.sh SAVECALC LOANCALC
set -euo pipefail
here=$(dirname "$0")
source "$here/x_session.sh"
start_x_session
dumps=$(mktemp -d)
savecalc=$1 loancalc=$2

# click X Y [TEXT]: a click at client coordinates, scaled, then typing.
click() {
  xdotool mousemove --window "$id" "$(( $1 * scale / 100 ))" "$(( $2 * scale / 100 ))" click 1
  [ -z "${3:-}" ] || xdotool type --delay 20 "$3"
}

run() {
  local theme=$1 program=$2 title=$3 window_name=$4
  shift 4
  env -i PATH="$PATH" HOME="${HOME:-/tmp}" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb "$@" "$program" 2>/dev/null &
  program_pid=$!
  id=$(wait_for_window "$title")
  if [ "$window_name" = savecalc ]; then
    click 184 88 1000; click 184 128 2.25; click 184 168 12; click 160 260
  else
    # A payment of three whole digits and a four-digit total, the widest a box must hold.
    click 190 50 1000; click 190 90 120; click 190 125 10; click 190 163 0.2; click 297 227
  fi
  sleep 0.5
  [ -z "${expect_client:-}" ] || check "$window_name's client area at $scale %" "$expect_client" "$(client_size "$id")"
  if [ -n "${expect_outer:-}" ]; then
    # The window manager's frame is whole device pixels, the window's size whole scaled
    # ones: the outer size is met to within one scaled pixel.
    local outer; outer=$(outer_size "$id")
    local dw=$(( ${outer%x*} - ${expect_outer%x*} )) dh=$(( ${outer#*x} - ${expect_outer#*x} ))
    [ "${dw#-}" -le $(( scale / 100 )) ] && [ "${dh#-}" -le $(( scale / 100 )) ] ||
      { echo "FAIL: $window_name's outer size at $scale %: expected $expect_outer, got $outer" >&2; exit 1; }
    echo "ok: $window_name's outer size at $scale %: $outer"
  fi
  xwd -id "$id" -silent >"$dumps/$theme-$window_name.xwd"
  kill "$program_pid"; wait "$program_pid" 2>/dev/null || true; program_pid=
  echo "== $window_name, $theme"
  python3 "$here/legibility.py" "$dumps/$theme-$window_name.xwd" "$window_name" "$(( scale ))e-2"
}

themes=(
  "light"
  "gtk-dark QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark"
  "adwaita-dark QT_STYLE_OVERRIDE=Adwaita-Dark"
  "high-contrast QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=HighContrast"
  "high-contrast-inverse QT_STYLE_OVERRIDE=Adwaita-HighContrastInverse"
)
scale=100
for entry in "${themes[@]}"; do
  read -r -a settings <<<"$entry"
  run "${settings[0]}" "$savecalc" Quendrel savecalc "${settings[@]:1}"
  run "${settings[0]}" "$loancalc" Maribosk loancalc "${settings[@]:1}"
done
scale=200
expect_client=608x602 run scale-200 "$savecalc" Quendrel savecalc QT_SCALE_FACTOR=2
expect_outer=942x670 run scale-200 "$loancalc" Maribosk loancalc QT_SCALE_FACTOR=2
rm -rf "$dumps"
