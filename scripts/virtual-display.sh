# Sourced by scripts: a private Xvfb display with openbox.
# start_virtual_display WIDTH HEIGHT exports DISPLAY; stop_virtual_display ends both.

start_virtual_display() {
  local width=${1:-1024} height=${2:-768} fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  VIRTUAL_XVFB_PID=$!
  local number
  read -r -t 10 number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
  openbox --sm-disable >/dev/null 2>&1 &
  VIRTUAL_WM_PID=$!
  local i
  for i in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
}

stop_virtual_display() {
  kill "${VIRTUAL_WM_PID:-}" "${VIRTUAL_XVFB_PID:-}" 2>/dev/null || true
  wait "${VIRTUAL_WM_PID:-}" "${VIRTUAL_XVFB_PID:-}" 2>/dev/null || true
}
