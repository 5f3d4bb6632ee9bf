#!/usr/bin/env bash
# Starts the tool for a newcomer without hardware: one simulated board of
# every family (pellar-devsim), each on a pty reached as its own "Comm Port",
# then the window on the desktop, or, without a display, a programming run of
# every board through pellarctl.
#
#   scripts/run-demo.sh [BUILD_DIR]
#   scripts/run-demo.sh --board-options   prints the options every simulated board gets, one a line
set -euo pipefail

# The demo boards: power-cycled whenever the tool's wake-up (or the QM270's
# boot catch) finds them deaf, as an installer does when the tool asks for
# it, so each answers every run however long the newcomer takes to start it.
# tests/sim/tst_demo_board starts its boards with these options (through
# --board-options) beside each kind's --kind, so the test and the demo
# cannot drift apart.
board_options=(--power-cycle-when-asked)
if [[ "${1:-}" == "--board-options" ]]; then
  printf '%s\n' "${board_options[@]}"
  exit 0
fi

# One board per family, on Comm Port 1 to 6: the simulator's kind, the name
# the pty's link carries (the window shows it beside the port), and the
# pellarctl kind with the settings the headless demo programs. Runs without
# keys where the family allows it; the two that need a data key read one
# from the demo's folder.
ports=(1 2 3 4 5 6)
sim_kinds=(pellar2 pellar6 wireless wireless-encrypted xport-ar xpico)
names=(PELLAR2 PELLAR6 PELLAR2-wireless PELLAR2-wireless-encrypted QM270 QM270-Rev.B)
ctl_kinds=(pellar2 pellar6 wireless wireless-encrypted qm270 qm270b)

build=${1:-build}
workdir=$(mktemp -d /tmp/pellar-demo.XXXXXX)
sim_pids=()
netns_name=""

cleanup() {
  local pid
  for pid in "${sim_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [[ -n "$netns_name" ]] && ip netns del "$netns_name" 2>/dev/null
  rm -rf "$workdir"
}
trap cleanup EXIT

link_of() { echo "$workdir/simulated-${names[$1 - 1]}"; }

start_boards() {
  local i port
  for i in "${!ports[@]}"; do
    port=${ports[$i]}
    "$build/pellar-devsim" --pty "$(link_of "$port")" --kind "${sim_kinds[$i]}" "${board_options[@]}" \
      --time-scale "$1" --log "$workdir/received-$port.jsonl" >"$workdir/sim-$port.out" 2>"$workdir/sim-$port.err" &
    sim_pids+=($!)
    export "DORVANE_COM$port=$(link_of "$port")"
  done
  for i in "${!ports[@]}"; do
    port=${ports[$i]}
    for _ in $(seq 1 100); do
      grep -q '^ready$' "$workdir/sim-$port.out" 2>/dev/null && continue 2
      kill -0 "${sim_pids[$i]}" 2>/dev/null || break
      sleep 0.1
    done
    echo "The simulated ${names[$i]} board did not start:" >&2
    cat "$workdir/sim-$port.err" >&2
    exit 1
  done
}

if [[ ! -x "$build/pellar-devsim" ]]; then
  echo "pellar-devsim is not built; starting the tool without simulated boards."
  exec "$build/DorvanePELLAR"
fi

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  start_boards 1
  echo "One simulated board of every family answers on its own Comm Port:"
  for i in "${!ports[@]}"; do
    printf '  Comm Port %s  %-27s %s\n' "${ports[$i]}" "${names[$i]}" "$(link_of "${ports[$i]}")"
  done
  echo "Open a family's window (Program PELLAR Device -> the board, where Ctrl+Shift+F12 shows the"
  echo "wireless boards; or a QM270 button), choose its Comm Port (the line under the port box names"
  echo "the board it reaches) and press Program."
  echo "While the window waits for a reset or power cycle the board is power-cycled for you and"
  echo "answers a moment later, on every run, however long you take."
  "$build/DorvanePELLAR"
  exit 0
fi

scale=0.1
echo "No display found: programming the six simulated boards with pellarctl instead."
echo "(Every wait runs at DORVANE_TIME_SCALE=$scale, ten times faster than with a real board."
echo " For the window without a desktop: xvfb-run make run)"
start_boards "$scale"
# A data key of 32 hexadecimal digits (128 bits) for the two boards that need one.
printf '0123456789ABCDEF0123456789ABCDEF\n' >"$workdir/data.key"
# Every run clears the computer's ARP table first; as root the demo keeps the
# real one untouched by running in a network namespace of its own.
netns=()
if [[ $(id -u) -eq 0 ]] && ip netns add "pellar-demo-$$" 2>/dev/null; then
  netns_name="pellar-demo-$$"
  netns=(ip netns exec "$netns_name")
fi

settings_of() {
  case "$1" in
    pellar6) echo --key-bits 128 --key-file "$workdir/data.key" ;;
    wireless) echo --ssid demo ;;
    wireless-encrypted) echo --ssid demo --key-bits 128 --key-file "$workdir/data.key" ;;
    # The QM270s ask for the power cycle and wait for Enter on a terminal.
    qm270 | qm270b) echo --yes ;;
  esac
}

outcomes=()
first_failure=0
for i in "${!ports[@]}"; do
  port=${ports[$i]}
  kind=${ctl_kinds[$i]}
  echo
  echo "== Comm Port $port: simulated ${names[$i]} board (pellarctl program $kind)"
  started=$(date +%s%N)
  set +e
  # shellcheck disable=SC2046 # the settings are words without blanks
  DORVANE_TIME_SCALE=$scale "${netns[@]}" "$build/pellarctl" program "$kind" --ip "192.168.1.$((10 + port))" \
    --gateway 192.168.1.1 --via "serial:$(link_of "$port")" $(settings_of "$kind") \
    --transcript "$workdir/transcript-$port.jsonl" </dev/null
  status=$?
  set -e
  tenths=$((($(date +%s%N) - started) / 100000000))
  outcomes+=("$(printf '%-19s exit %s  %3d.%d s' "$kind" "$status" $((tenths / 10)) $((tenths % 10)))")
  if [[ $status -ne 0 && $first_failure -eq 0 ]]; then first_failure=$status; fi
done
echo
echo "Outcomes:"
printf '  %s\n' "${outcomes[@]}"
exit "$first_failure"
