#!/usr/bin/env bash
# Starts the tool for a newcomer without hardware: a simulated PELLAR2 board
# (pellar-devsim) on a pty reached as "Comm Port 1", then the window on the
# desktop, or, without a display, the same programming job through pellarctl.
#
#   scripts/run-demo.sh [BUILD_DIR]
#   scripts/run-demo.sh --board-options   prints the simulated board's options, one a line
set -euo pipefail

# The demo board: power-cycled whenever the tool's wake-up finds it deaf, as
# an installer does when the tool shows "Waiting for PELLAR Reset or Power
# Cycle", so it answers every run however long the newcomer takes to start
# it. tests/sim/tst_demo_board starts its board with these options (through
# --board-options), so the test and the demo cannot drift apart.
board_options=(--power-cycle-when-asked)
if [[ "${1:-}" == "--board-options" ]]; then
  printf '%s\n' "${board_options[@]}"
  exit 0
fi

build=${1:-build}
workdir=$(mktemp -d /tmp/pellar-demo.XXXXXX)
sim_pid=""

cleanup() {
  [[ -n "$sim_pid" ]] && kill "$sim_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$workdir"
}
trap cleanup EXIT

start_sim() {
  "$build/pellar-devsim" --pty "$workdir/com1" "${board_options[@]}" --time-scale "$1" \
    --log "$workdir/received.jsonl" >"$workdir/sim.out" 2>"$workdir/sim.err" &
  sim_pid=$!
  for _ in $(seq 1 100); do
    grep -q '^ready$' "$workdir/sim.out" 2>/dev/null && return 0
    kill -0 "$sim_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "The simulated board did not start:" >&2
  cat "$workdir/sim.err" >&2
  exit 1
}

if [[ ! -x "$build/pellar-devsim" ]]; then
  echo "pellar-devsim is not built; starting the tool without a simulated board."
  exec "$build/DorvanePELLAR"
fi

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  start_sim 1
  export DORVANE_COM1="$workdir/com1"
  echo "A simulated PELLAR2 board answers on \"Comm Port 1\" ($DORVANE_COM1)."
  echo "Program PELLAR Device -> Program PELLAR2 Family of Boards -> Program via Comm Port 1,"
  echo "then press Program PELLAR: while the window shows \"Waiting for PELLAR Reset or Power Cycle\""
  echo "the board is power-cycled for you and answers a moment later, on every run, however long you take."
  "$build/DorvanePELLAR"
  exit 0
fi

scale=0.1
echo "No display found: programming the simulated PELLAR2 board with pellarctl instead."
echo "(Every wait runs at DORVANE_TIME_SCALE=$scale, ten times faster than with a real board."
echo " For the window without a desktop: xvfb-run make run)"
start_sim "$scale"
# Every run clears the computer's ARP table first; as root the demo keeps the
# real one untouched by running in a network namespace of its own.
netns=()
if [[ $(id -u) -eq 0 ]] && ip netns add "pellar-demo-$$" 2>/dev/null; then
  netns=(ip netns exec "pellar-demo-$$")
  trap 'ip netns del "pellar-demo-$$" 2>/dev/null; cleanup' EXIT
fi
set +e
DORVANE_TIME_SCALE=$scale "${netns[@]}" "$build/pellarctl" program pellar2 --ip 192.168.1.10 --gateway 192.168.1.1 \
  --via "serial:$workdir/com1" --transcript "$workdir/transcript.jsonl"
status=$?
set -e
echo
echo "pellarctl exited with $status; the board received $(wc -l <"$workdir/received.jsonl") chunks of answers."
exit $status
