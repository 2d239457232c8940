#!/usr/bin/env bash
# Times the Ansible collection zav.readers against zavctl alone, on simulated
# readers that already hold the wanted settings, so every run only reads and
# compares (login and STAT on each reader). Inside the private network only:
#   scripts/netns -- bench/ansible/bench_ansible.sh [BUILD] [--readers N] [--forks F]
#                                                  [--skip-fleet] [--skip-per-host]
# Prints the time of each run and per reader:
#   zavctl apply    one zavctl run over a CSV of every reader
#   fleet.yml       one fleet_settings run per batch of 500, a reader_result per host
#   site.yml        per reader: the facts and the settings module (two module runs)
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="$here/build"
if [ $# -gt 0 ] && [[ "$1" != --* ]]; then build="$(cd "$1" && pwd)"; shift; fi
readers=1000
forks=50
per_host=1
fleet=1
while [ $# -gt 0 ]; do
    case "$1" in
        --readers) readers="$2"; shift 2 ;;
        --forks) forks="$2"; shift 2 ;;
        --skip-per-host) per_host=0; shift ;;
        --skip-fleet) fleet=0; shift ;;
        *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
done
if [ "${ZAV_NETNS_INSIDE:-}" != "1" ]; then
    echo "run me inside the private network: scripts/netns -- $0" >&2
    exit 2
fi
command -v ansible-playbook >/dev/null || { echo "skipped: no ansible-playbook"; exit 0; }

work="$(mktemp -d)"
sim_pid=""
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/collections/ansible_collections/zav"
ln -s "$here/packaging/ansible" "$work/collections/ansible_collections/zav/readers"
examples="$here/packaging/ansible/examples"
password=k9Q4w

"$build/zav-reader-sim" --readers "$readers" --address 127.0.4.1 --password "$password" --no-multicast \
    > "$work/sim.log" 2>&1 &
sim_pid=$!
for _ in $(seq 100); do grep -q '^ready' "$work/sim.log" && break; sleep 0.1; done
grep -q '^ready' "$work/sim.log" || { echo "the simulator did not start" >&2; cat "$work/sim.log" >&2; exit 1; }
mapfile -t addresses < <(awk '$1 == "reader" { print $2 }' "$work/sim.log")

# Half the readers at each site; each site's settings as group_vars/ give them.
half=$(( ${#addresses[@]} / 2 ))
{
    echo "readers:"
    echo "  children:"
    echo "    north:"
    echo "      hosts:"
    for i in $(seq 0 $((half - 1))); do printf '        north-%04d: {ansible_host: %s}\n' "$i" "${addresses[$i]}"; done
    echo "    south:"
    echo "      hosts:"
    for i in $(seq "$half" $((${#addresses[@]} - 1))); do printf '        south-%04d: {ansible_host: %s}\n' "$i" "${addresses[$i]}"; done
} > "$work/inventory.yml"
# The same plan for zavctl alone, its values as in the example's group_vars.
{
    echo "reader,identifier,server-address,server-port,gateway"
    for i in $(seq 0 $((${#addresses[@]} - 1))); do
        if [ "$i" -lt "$half" ]; then
            printf '%s,north-%04d,10.20.0.5,4000,10.20.0.1\r\n' "${addresses[$i]}" "$i"
        else
            printf '%s,south-%04d,10.30.0.5,4100,10.30.0.1\r\n' "${addresses[$i]}" "$i"
        fi
    done
} > "$work/plan.csv"

export ZAV_PASSWORD="$password"
zavctl_apply() {
    "$build/zavctl" apply - mode=client subnet-mask=255.255.0.0 --jobs 64 --format json < "$work/plan.csv"
}
# Bring every reader to the wanted state first.
zavctl_apply > "$work/first.json" 2>/dev/null

export ANSIBLE_COLLECTIONS_PATH="$work/collections" ANSIBLE_FORKS="$forks" ANSIBLE_NOCOLOR=1
export ANSIBLE_LOCAL_TEMP="$work/ansible-tmp"
n=${#addresses[@]}
report() {  # name seconds
    awk -v name="$1" -v s="$2" -v n="$n" 'BEGIN { printf "%-14s %8.2f s  %7.2f ms per reader\n", name, s, 1000 * s / n }'
}
timed() {  # name log command...
    local name="$1" log="$2"; shift 2
    local start end
    start=$(date +%s.%N)
    "$@" > "$log" 2>&1 || { echo "$name failed; last lines of $log:" >&2; tail -n 20 "$log" >&2; exit 1; }
    end=$(date +%s.%N)
    report "$name" "$(echo "$end - $start" | bc)"
}
unchanged() {  # log: the recap names every reader, none changed or failed
    local hosts
    hosts=$(grep -cE '^(north|south)-[0-9]+ +: ok=[0-9]+ +changed=0 +unreachable=0 +failed=0' "$1" || true)
    [ "$hosts" -eq "$n" ] || { echo "$1: $hosts of $n readers unchanged" >&2; exit 1; }
}

echo "$n simulated readers already in the wanted state, forks $forks, $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
timed "zavctl apply" "$work/apply.json" zavctl_apply
grep -q '"changed": true' "$work/apply.json" && { echo "zavctl apply changed a reader" >&2; exit 1; }
if [ "$fleet" = 1 ]; then
    timed "fleet.yml" "$work/fleet.log" \
        ansible-playbook -i "$work/inventory.yml" "$examples/fleet.yml" -e zav_zavctl="$build/zavctl"
    unchanged "$work/fleet.log"
fi
if [ "$per_host" = 1 ]; then
    timed "site.yml" "$work/site.log" \
        ansible-playbook -i "$work/inventory.yml" "$examples/site.yml" -e zav_zavctl="$build/zavctl"
    unchanged "$work/site.log"
fi
echo "load afterwards $(cut -d' ' -f1-3 /proc/loadavg)"
