#!/usr/bin/env bash
# The bar's start-up, memory and idle cost beside other programs, on a
# private Xvfb display with openbox, as a Markdown table:
#   - tolvexBar docked, with 20 launchers, the clock and the notes panel
#     (the clock shows hours and minutes: a clock with seconds paints every
#     second, and the complete first paint is the last one before a pause);
#   - tint2 in its default configuration;
#   - a bare Qt window with 20 text buttons (bench/bar/peers/bare_buttons.cpp).
# Each start has a fresh home folder; the programs take turns in every round
# and the table gives medians. "first paint" and "complete paint" are the
# milliseconds from the start to the first and to the last paint of the
# screen before 500 ms without any (paint_watch.c); memory is the resident
# set one second after that; idle is the CPU time of all the program's
# threads in 30 s after 5 s of settling (with --idle).
#
#   bench/bar/compare_peers.sh <release build folder> [rounds] [--idle]
#
# The build folder needs tolvexbar, bench/paint_watch and bench/bare_buttons:
#   cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
#   cmake --build build/release --target tolvexbar paint_watch bare_buttons
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?release build folder}" && pwd)
rounds=${2:-10}
idle=${3:-}
"$here/../../scripts/deps" test  # tint2, Xvfb, openbox and the watcher's library

work=$(mktemp -d)
source "$here/../../scripts/virtual-display.sh"
start_virtual_display 1024 768
trap 'stop_virtual_display; rm -rf "$work"' EXIT

bar_layout() {
  echo "[tolvexBar]"
  echo "Count=22"
  for n in $(seq 20); do
    printf '[Link%d]\nType=P\nName=Programm %d\nTarget=/bin/sh\n' "$n" "$n"
  done
  printf '[Link21]\nType=S\nKind=2\n[Link22]\nType=S\nKind=3\n'
}

# Prepares a fresh home (and, for the bar, program folder) for `program`
# and prints the command line that starts it.
prepare() {
  rm -rf "$work/run" && mkdir -p "$work/run/home/.config" "$work/run/program"
  case $1 in
    tolvexbar)
      cp "$build/tolvexbar" "$work/run/program/"
      bar_layout >"$work/run/program/tolvexbar.dat"
      printf '[TolvexClock]\nLayout=3\nUserDef=120\nUserDef1=hh:nn\n' >"$work/run/program/tolvexbar.ini"
      echo "$work/run/program/tolvexbar"
      ;;
    tint2) echo tint2 ;;
    bare) echo "$build/bench/bare_buttons" ;;
  esac
}

run_env() {
  exec env HOME="$work/run/home" XDG_CONFIG_HOME="$work/run/home/.config" XDG_RUNTIME_DIR="$work" \
    XDG_DATA_HOME="$work/run/home/.local/share" TOLVEX_PLATFORM=sim \
    TOLVEX_SIM_NATIVE=toolbar,desktop,shell "$@"
}

# CPU time in microseconds of all threads of `pid`.
cpu_us() {
  local total=0 task
  for task in /proc/"$1"/task/*/schedstat; do
    total=$((total + $(cut -d' ' -f1 "$task")))
  done
  echo $((total / 1000))
}

stop() {
  kill "$1" 2>/dev/null || true
  while kill -0 "$1" 2>/dev/null; do sleep 0.05; done
}

median() { sort -n | awk '{a[NR]=$1} END {if (NR % 2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }

programs=(tolvexbar tint2 bare)
for round in $(seq "$rounds"); do
  for program in "${programs[@]}"; do
    command=$(prepare "$program")
    read -r pid first last < <(run_env "$build/bench/paint_watch" 500 10000 $command)
    sleep 1
    rss=$(awk '/^VmRSS/ {print $2}' /proc/"$pid"/status)
    stop "$pid"
    # What the window's end repaints is not the next program's.
    sleep 0.5
    echo "$first" >>"$work/$program.first"
    echo "$last" >>"$work/$program.last"
    echo "$rss" >>"$work/$program.rss"
  done
  echo "round $round of $rounds" >&2
done

if [ "$idle" = --idle ]; then
  for program in "${programs[@]}"; do
    command=$(prepare "$program")
    run_env $command >/dev/null 2>&1 &
    pid=$!
    sleep 5
    before=$(cpu_us "$pid")
    sleep 30
    awk -v us=$(($(cpu_us "$pid") - before)) 'BEGIN {printf "%.1f", us / 1000}' >"$work/$program.idle"
    stop "$pid"
  done
fi

value() { median <"$work/$1.$2"; }
echo "| program | first paint (ms) | complete paint (ms) | resident (MB) | idle (ms per 30 s) |"
echo "|---|---|---|---|---|"
for program in "${programs[@]}"; do
  idle_ms=$([ -f "$work/$program.idle" ] && cat "$work/$program.idle" || echo "–")
  printf '| %s | %s | %s | %s | %s |\n' "$program" "$(value "$program" first)" \
    "$(value "$program" last)" "$(awk -v kb="$(value "$program" rss)" 'BEGIN {printf "%.1f", kb / 1024}')" \
    "$idle_ms"
done
awk -v bar="$(value tolvexbar last)" -v tint2="$(value tint2 last)" -v bare="$(value bare last)" \
  -v rounds="$rounds" 'BEGIN {
    printf "\ncomplete paint: %.2f× tint2, %.2f× the bare window (%d rounds)\n", bar / tint2, bar / bare, rounds
  }'
