#!/usr/bin/env bash
# Runs bench_zavctl with a silent network for the scan. Inside the private
# network namespace only (scripts/netns -- bench/cli/bench_zavctl.sh [build]):
# a veth pair leads into a nested namespace that holds only the peer address,
# and 10.9.0.0/16 is routed there, so a connect to 10.9.x.y hangs until its
# timeout like a wide-area address where no host answers. Nothing leaves the
# private namespace.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$here/build}"
if [ "${ZAV_NETNS_INSIDE:-}" != "1" ]; then
    echo "run me inside the private network: scripts/netns -- $0" >&2
    exit 2
fi

ip link add zbench0 type veth peer name zbench1
ip addr add 10.1.0.1/24 dev zbench0
ip link set zbench0 up
unshare -n sh -c 'sleep 0.3; ip link set lo up; ip addr add 10.1.0.2/24 dev zbench1;
                  ip link set zbench1 up; sysctl -qw net.ipv4.ip_forward=0 2>/dev/null; exec sleep 600' &
silent_pid=$!
trap 'kill $silent_pid 2>/dev/null || true' EXIT
sleep 0.1
ip link set zbench1 netns "$silent_pid"
ip route add 10.9.0.0/16 via 10.1.0.2
sleep 0.5

"$build/bench/cli/bench_zavctl" --zavctl "$build/zavctl" --silent 10.9.1.1 "${@:2}"
