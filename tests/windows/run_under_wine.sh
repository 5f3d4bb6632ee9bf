#!/usr/bin/env bash
# Runs the MinGW check program under Wine, in a network namespace of its own
# when it can make one, so no packet the program or Wine sends can leave
# the machine. Exit 77 (CTest's skip) with the reason when it cannot run.
#   run_under_wine.sh <check.exe> <host reference program> <work folder>
set -uo pipefail
program=$(realpath -m "$1")
reference=$2
work=$(realpath -m "$3")

skip() {
  echo "SKIP: $*"
  exit 77
}

[[ -f "$program" ]] || skip "$program is not built (the MinGW-w64 compiler is missing: scripts/install-deps.sh)"
wine=""
for candidate in wine64 /usr/lib/wine/wine64 wine; do
  if command -v "$candidate" >/dev/null; then
    wine=$(command -v "$candidate")
    break
  fi
done
[[ -n "$wine" ]] || skip "Wine is not installed ('make test-windows' installs it)"
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

mkdir -p "$work"
"$reference" >"$work/core_reference.txt" || {
  echo "the host's reference program failed"
  exit 1
}

# A prefix of the test's own, made on the first run; no Mono or Gecko
# installer, no window, no Wine chatter in the output.
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

run_program() {
  # A server left from an earlier run would do this run's system calls
  # from outside the namespace: start afresh, and wait for it to end.
  "$wineserver" -k 2>/dev/null
  "$wine" "$program" --reference "Z:$work/core_reference.txt"
  local status=$?
  "$wineserver" -w
  return $status
}

if unshare --net true 2>/dev/null; then
  # 127.0.0.1 the only address of lo, and the rest of 127/8 routed onto lo
  # where nothing takes it: an echo to 127.0.0.2 goes unanswered without
  # leaving the namespace's loopback device. Windows lists no loopback
  # adapter, so a veth pair that ends in the namespace itself is the adapter
  # with an address; /32, so no route leads through it.
  export -f run_program
  export program work wine wineserver
  exec unshare --net bash -c '
    set -e
    ip link set lo up
    ip addr del 127.0.0.1/8 dev lo
    ip addr add 127.0.0.1/32 dev lo
    ip route add 127.0.0.0/8 dev lo
    ip link add pellar0 type veth peer name pellar1
    ip addr add 192.0.2.1/32 dev pellar0
    ip link set pellar1 up
    ip link set pellar0 up
    set +e
    export PELLAR_PRIVATE_NETWORK=1 PELLAR_SILENT_ADDRESS=127.0.0.2
    run_program'
fi
echo "no network namespace can be made here (root is needed): the echo time-out and the name lookup skip"
run_program
