#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quendrel calculators team
# SPDX-License-Identifier: GPL-3.0-or-later
# Both programs run with env -i: no display, and only the locale each row gives. Help and
# version need no display (with QT_DEBUG_PLUGINS, no plug-in loads), an unknown option is one
# line and status 2, no display at most three lines and status 1, never an abort; Chinese
# where the locale is, English elsewhere.
# Usage: check_command_line.sh VERSION SAVECALC LOANCALC
set -uo pipefail
version=$1
shift
ulimit -c 0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A display number no X server here holds.
absent=99
while [ -e /tmp/.X11-unix/X$absent ] || [ -e /tmp/.X$absent-lock ]; do absent=$((absent + 1)); done
sanitizers=()
for variable in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
  [ -n "${!variable:-}" ] && sanitizers+=("$variable=${!variable}")
done
failures=0 passes=0

# row NAME STATUS STREAM LANGUAGE MAX_LINES PATTERN ENV... -- ARGS...: runs the program with
# env -i and ENV; checks its status, that STREAM (out or err) has one to MAX_LINES lines that
# PATTERN (a Perl regex over the whole text) matches, in LANGUAGE (zh or en), and that the
# other stream is empty.
row() {
  local name=$1 status=$2 stream=$3 language=$4 lines=$5 pattern=$6
  shift 6
  local settings=() other=out wrong=() actual count found
  while [ "$1" != -- ]; do settings+=("$1"); shift; done
  shift
  timeout 120 env -i "${sanitizers[@]}" "${settings[@]}" "$program" "$@" >"$scratch/out" 2>"$scratch/err"
  actual=$? count=$(wc -l <"$scratch/$stream")
  [ "$stream" = out ] && other=err
  [ "$actual" = "$status" ] || wrong+=("status $actual, not $status")
  [ "$count" -ge 1 ] && [ "$count" -le "$lines" ] || wrong+=("$count lines on std$stream")
  [ -s "$scratch/$other" ] && wrong+=("std$other not empty")
  LC_ALL=C.UTF-8 grep -qPz -- "(?sm)$pattern" "$scratch/$stream" || wrong+=("nothing matches /$pattern/")
  LC_ALL=C.UTF-8 grep -qP '\p{Han}' "$scratch/$stream" && found=zh || found=en
  [ "$found" = "$language" ] || wrong+=("not in $language")
  [ ${#wrong[@]} -eq 0 ] && { passes=$((passes + 1)); return; }
  failures=$((failures + 1))
  echo "FAIL: $(basename "$program") $name: $(IFS=';'; echo "${wrong[*]}")"
  sed 's/^/  | /' "$scratch/out" "$scratch/err"
}

for program in "$@"; do
  p=$(basename "$program")
  help="-h, --help.*-v, --version.*-platform.*man $p$"
  row help_in_english 0 out en 10 "^Usage: $p .*$help" LANG=C QT_DEBUG_PLUGINS=1 -- --help
  row help_short_in_chinese 0 out zh 10 "^用法：$p .*$help" LANG=zh_CN.UTF-8 QT_DEBUG_PLUGINS=1 -- -h
  row version_short_in_chinese 0 out zh 1 "^$p（.+）$version$" LANG=zh_CN.UTF-8 QT_DEBUG_PLUGINS=1 -- -v
  row version_in_the_first_language_spoken 0 out zh 1 "^$p（" LANGUAGE=fr:zh_CN:en LANG=en_US.UTF-8 -- -v
  row version_english_where_language_prefers_it 0 out en 1 "^$p \(" LANGUAGE=en LANG=zh_CN.UTF-8 -- -v
  row version_english_under_c_whatever_language 0 out en 1 "^$p \(" LANGUAGE=zh_CN LANG=C -- -v
  row version_untranslated_where_language_names_neither 0 out en 1 "^$p \(" LANGUAGE=fr LANG=zh_CN.UTF-8 -- -v
  env -i "${sanitizers[@]}" "$program" --version >/dev/full 2>/dev/null
  [ $? = 1 ] && passes=$((passes + 1)) || { failures=$((failures + 1)); echo "FAIL: $p reports version written to a full disk"; }
  row lc_all_before_lang 0 out en 1 "$version$" LC_ALL=C LANG=zh_CN.UTF-8 -- -v
  row empty_lc_all_passed_over_for_lc_messages 0 out zh 1 "$version$" LC_ALL= LC_MESSAGES=zh_TW.UTF-8 LANG=C -- -v
  row bare_zh_is_chinese 0 out zh 1 "$version$" LANG=zh -- -v
  row zh_only_as_the_language_code 0 out en 1 "$version$" LANG=zhx_CN.UTF-8 -- -v
  row unknown_option 2 err en 1 "'--bogus'.*'$p --help'" LANG=C -- --bogus
  row unknown_option_after_qt_options_in_chinese 2 err zh 1 "“-x”.*$p --help" LANG=zh_CN.UTF-8 -- -style fusion -qwindowtitle -t- -reverse -x
  row no_display_set 1 err en 3 "graphical desktop.*DISPLAY" LANG=C --
  row no_display_set_in_chinese 1 err zh 3 "图形桌面.*DISPLAY" LANG=zh_CN.UTF-8 --
  row display_naming_no_server_in_chinese 1 err zh 3 "DISPLAY=:$absent" DISPLAY=:$absent LC_MESSAGES=zh_CN.UTF-8 --
  row qt_warning_kept_before_no_display 1 err en 3 "policy: bogus.*\n.*DISPLAY=:$absent" DISPLAY=:$absent QT_SCALE_FACTOR_ROUNDING_POLICY=bogus LANG=C --
  # Each of Qt's options that takes a value keeps it, even one that looks like an option; a
  # flag takes none, so an unknown option after it is still found.
  valued=()
  for option in platformpluginpath platformtheme plugin qwindowgeometry qwindowtitle qwindowicon session style \
                stylesheet qmljsdebugger display geometry title icon name visual; do valued+=("-$option" "-$option-"); done
  row qt_options_keep_their_values 1 err en 3 "DISPLAY=:$absent" DISPLAY=:$absent LANG=C -- "${valued[@]}"
  # Qt's own words where no platform starts, after the plug-in's message it held back.
  row platform_keeps_its_value 1 err en 10 "platform plugin \"-x-\".*no Qt platform plugin could be initialized" LANG=C -- -platform -x-
  row lone_dash_is_no_option 1 err en 3 "DISPLAY=:$absent" DISPLAY=:$absent LANG=C -- -
  for flag in reverse widgetcount testability nograb dograb sync; do
    row "qt_flag_${flag}_takes_no_value" 2 err en 1 "'-x'" LANG=C -- "-$flag" -x
  done
  # What Qt says as it starts is held back only until it has started: here it starts, says
  # what it loaded, and the X11 option it leaves is refused.
  row qt_start_up_messages_shown_once_started 2 err en 20 "qt\.qpa\.plugin: .*Successfully loaded.*'-display'" \
    QT_LOGGING_RULES=qt.qpa.plugin=true LANG=C -- -platform offscreen -display :0
  # Qt's offscreen platform starts without a display, named on the command line or in the
  # environment; the X11 option it leaves ends the program, so no row waits on a clock.
  row offscreen_platform_starts 2 err en 3 "'-display'" LANG=C -- -platform offscreen -reverse -display :0
  row offscreen_platform_from_the_environment 2 err en 3 "'-display'" QT_QPA_PLATFORM=offscreen DISPLAY=:$absent LANG=C -- -display :0
done
echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
