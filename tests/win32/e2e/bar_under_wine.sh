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
wine "$work/program/tolvexbar.exe" >"$work/bar.log" 2>&1 &
bar=$!
finish() {
  kill "$bar" 2>/dev/null || true
  wine taskkill /f /im tolvexbar.exe >/dev/null 2>&1 || true
  wine taskkill /f /im notepad.exe >/dev/null 2>&1 || true
}
trap finish EXIT

bar_window() { xdotool search --onlyvisible --name '^TolvexBar$' | head -n1; }
wait_for 60 test -n "$(bar_window)" || fail "the bar did not show ($(cat "$work/bar.log"))"
id=$(bar_window)

# Docked at the left edge, as high as the screen.
docked() {
  eval "$(xdotool getwindowgeometry --shell "$id")"
  [ "$X" -eq 0 ] && [ "$Y" -eq 0 ] && [ "$HEIGHT" -eq 768 ] && [ "$WIDTH" -gt 40 ] && [ "$WIDTH" -lt 300 ]
}
wait_for 20 docked || { xdotool getwindowgeometry "$id" >&2; fail "the bar is not docked at the left edge"; }
eval "$(xdotool getwindowgeometry --shell "$id")"
width=$WIDTH

# The configuration lands in the application-data folder.
wait_for 20 test -f "$appdata/tolvex/tolvexbar.dat" || fail "no layout in $appdata/tolvex"

# The plug-in was loaded, started and shown.
wait_for 30 grep -q "sample show" "$work/sample.log" || fail "the sample plug-in did not show"
sleep 1
import -window root "$work/screen.png"

# Launchers: header 24, line 2, then rows of 38 for launchers with icons.
click_row() {
  xdotool mousemove --sync $((width / 2)) $((26 + 38 * $1 + 19)) click 1
}
click_row 1
wait_for 30 test -s "$work/folder/ordner.txt" || fail "the command launcher did not run in its folder"
grep -qi "$(basename "$work")" "$work/folder/ordner.txt" || fail "the command ran in $(cat "$work/folder/ordner.txt")"
click_row 0
wait_for 30 xdotool search --onlyvisible --name 'liesmich' || fail "the editor did not open liesmich.txt"
echo "ok: docked ${width}x768 at the left edge; launchers and plug-in work"
