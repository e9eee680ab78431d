#!/bin/sh
# Time from starting the bar to its window being mapped, and its resident
# memory after start, with 20 and 100 launchers, on a private Xvfb display
# with openbox. Each start uses a fresh program folder and home folder.
#
#   bench/bar/start_to_mapped.sh <build folder> [runs]
#
# Use a release build: a sanitizer build measures the sanitizer.
set -eu
build=$(cd "${1:?build folder}" && pwd)
runs=${2:-20}
work=$(mktemp -d)
trap 'kill $wm $xvfb 2>/dev/null; rm -rf "$work"' EXIT

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null &
xvfb=$!
while [ ! -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
openbox --sm-disable 2>/dev/null &
wm=$!
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do sleep 0.05; done

layout() {
  echo "[tolvexBar]"
  echo "Count=$1"
  n=1
  while [ "$n" -le "$1" ]; do
    printf '[Link%d]\nType=P\nName=Programm %d\nTarget=/bin/sh\n' "$n" "$n"
    n=$((n + 1))
  done
}

# Milliseconds since the epoch.
now() { date +%s%3N; }

for count in 20 100; do
  times=""
  rss=""
  i=0
  while [ "$i" -lt "$runs" ]; do
    rm -rf "$work/run" && mkdir -p "$work/run/program" "$work/run/home/.config"
    cp "$build/tolvexbar" "$work/run/program/"
    layout "$count" >"$work/run/program/tolvexbar.dat"
    start=$(now)
    XDG_RUNTIME_DIR="$work" HOME="$work/run/home" XDG_CONFIG_HOME="$work/run/home/.config" TOLVEX_PLATFORM=sim \
      TOLVEX_SIM_NATIVE=toolbar,desktop,shell "$work/run/program/tolvexbar" &
    bar=$!
    until xdotool search --onlyvisible --name '^TolvexBar' >/dev/null 2>&1; do sleep 0.002; done
    mapped=$(now)
    sleep 1
    rss="$rss $(awk '/VmRSS/ {print $2}' "/proc/$bar/status")"
    kill "$bar"
    wait "$bar" 2>/dev/null || true
    times="$times $((mapped - start))"
    i=$((i + 1))
  done
  echo "$count launchers: start to mapped (ms):$times"
  echo "$times" | tr ' ' '\n' | grep . | sort -n |
    awk -v c="$count" '{a[NR]=$1} END {print c " launchers: median " a[int((NR+1)/2)] " ms"}'
  echo "$rss" | tr ' ' '\n' | grep . | sort -n |
    awk -v c="$count" '{a[NR]=$1} END {print c " launchers: median resident " a[int((NR+1)/2)] " kB"}'
done
