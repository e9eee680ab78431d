#!/usr/bin/env bash
# The real tolvexbar.exe under Wine on the display in $DISPLAY (a private
# Xvfb with a window manager; scripts/windows --test provides it and the
# Wine folder in $WINEPREFIX): it starts from a program folder of its own
# with a seed layout of two launchers of Wine's programs and the sample
# plug-in, docks at the left edge with its header and launchers, keeps its
# configuration in the user's application-data folder under "tolvex", starts
# the launchers' programs with their parameters and working folder, and
# loads the plug-in. A screenshot of the screen is left in the work folder.
#
#   bar_under_wine.sh BUILD_FOLDER WORK_FOLDER
set -euo pipefail
build=$1
work=$2

fail() { echo "FAILED: $*" >&2; exit 1; }
# wait_for SECONDS COMMAND...: until the command succeeds.
wait_for() {
  local until=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $until ] || return 1
    sleep 0.2
  done
}
windows_path() { winepath -w "$1" 2>/dev/null | tr -d '\r'; }

rm -rf "$work"
mkdir -p "$work/program/snapins" "$work/folder"
cp "$build/tolvexbar.exe" "$build"/*.dll "$work/program/"
for kind in platforms styles imageformats; do
  [ -d "$build/$kind" ] && cp -r "$build/$kind" "$work/program/"
done
cp "$build/snapins/sample.tsi" "$work/program/snapins/"
echo "Hallo" >"$work/folder/liesmich.txt"

appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')" 2>/dev/null)
[ -n "$appdata" ] || fail "Wine names no application-data folder"
rm -rf "$appdata/tolvex"

folder=$(windows_path "$work/folder")
# The seed layout of a new user's bar.
printf '%s\r\n' "[tolvexBar]" "Count=3" \
  "[Link1]" "Type=P" "Name=Editor" 'Target=C:\windows\notepad.exe' "Parameters=liesmich.txt" \
  "WorkingDir=$folder" \
  "[Link2]" "Type=P" "Name=Befehl" 'Target=C:\windows\system32\cmd.exe' \
  "Parameters=/c cd > ordner.txt" "WorkingDir=$folder" \
  "[Link3]" "Type=S" "SnapIn=sample.tsi" >"$work/program/tolvexbar.dat"

export TOLVEX_SAMPLE_SNAPIN_LOG
TOLVEX_SAMPLE_SNAPIN_LOG=$(windows_path "$work")'\sample.log'
bar=
start_bar() {
  wine "$work/program/tolvexbar.exe" >>"$work/bar.log" 2>&1 &
  bar=$!
}
# Asked to close as the system asks a program at the end of the session;
# forced after a while.
stop_bar() {
  wine taskkill /im tolvexbar.exe >/dev/null 2>&1 || true
  wait_for 10 test -z "$(bar_window)" || wine taskkill /f /im tolvexbar.exe >/dev/null 2>&1 || true
  wait "$bar" 2>/dev/null || true
}
finish() {
  stop_bar
  wine taskkill /f /im notepad.exe >/dev/null 2>&1 || true
}
trap finish EXIT

bar_window() { xdotool search --onlyvisible --name '^TolvexBar$' 2>/dev/null | head -n1; }
bar_shown() { [ -n "$(bar_window)" ]; }
# Docked at the left edge, as high as the screen.
docked() {
  eval "$(xdotool getwindowgeometry --shell "$(bar_window)")"
  [ "$X" -eq 0 ] && [ "$Y" -eq 0 ] && [ "$HEIGHT" -eq 768 ] && [ "$WIDTH" -gt 40 ] && [ "$WIDTH" -lt 300 ]
}

# A new user: the desktop's programs (Wine's) come before the seed's launchers.
start_bar
wait_for 60 bar_shown || fail "the bar did not show ($(cat "$work/bar.log"))"
wait_for 20 docked || { xdotool getwindowgeometry "$(bar_window)" >&2; fail "the bar is not docked at the left edge"; }
# The configuration lands in the application-data folder.
wait_for 20 test -f "$appdata/tolvex/tolvexbar.dat" || fail "no layout in $appdata/tolvex"
grep -q "Name=Terminal" "$appdata/tolvex/tolvexbar.dat" || fail "a new user's bar has no launcher of the command interpreter"
# The plug-in was loaded, started and shown.
wait_for 30 grep -q "sample show" "$work/sample.log" || fail "the sample plug-in did not show"
sleep 1
import -window root "$work/new-user.png"
stop_bar

# The same user again, with only the seed's launchers in the layout.
cp "$work/program/tolvexbar.dat" "$appdata/tolvex/tolvexbar.dat"
start_bar
wait_for 60 bar_shown || fail "the bar did not show again ($(cat "$work/bar.log"))"
wait_for 20 docked || { xdotool getwindowgeometry "$(bar_window)" >&2; fail "the bar is not docked at the left edge again"; }
id=$(bar_window)
eval "$(xdotool getwindowgeometry --shell "$id")"
width=$WIDTH
sleep 1
import -window root "$work/screen.png"

# Launchers with small icons: the header (24) and its line (2), then rows of 20.
click_row() {
  xdotool mousemove --window "$id" --sync $((width / 2)) $((26 + 20 * $1 + 10)) click 1
}
click_row 1
wait_for 30 test -s "$work/folder/ordner.txt" || fail "the command launcher did not run in its folder"
grep -qi "$(basename "$work")" "$work/folder/ordner.txt" || fail "the command ran in $(cat "$work/folder/ordner.txt")"
click_row 0
wait_for 30 xdotool search --onlyvisible --name 'liesmich' || fail "the editor did not open liesmich.txt"
echo "ok: docked ${width}x768 at the left edge; launchers and plug-in work"
