#!/usr/bin/env bash
# Load test of qm-service on loopback. 50 kept-alive connections for 60 seconds send a mix of all
# 35 kinds with sign-ins, registrations, posts, replies and orders; afterwards every write the
# service acknowledged must be in the database, and no seat sold twice. Then the same load
# again, a kill -9 half-way through and a restart on the same file: the database opens and every
# write acknowledged before the kill is there.
#
# Usage: bench/service-load.sh [--seconds 60] [--connections 50] [--bin build/bin]
# Prints p50 / p99 per kind and requests per second; exits non-zero on any error or lost write.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bin=$root/build/bin
seconds=60
connections=50
while [ $# -gt 0 ]; do
    case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --connections) connections=$2; shift 2 ;;
    --bin) bin=$2; shift 2 ;;
    *) echo "usage: $0 [--seconds N] [--connections N] [--bin DIR]" >&2; exit 2 ;;
    esac
done
for program in qm-service qm-service-load; do
    [ -x "$bin/$program" ] || { echo "service-load: no $program in $bin" >&2; exit 2; }
done

work=$(mktemp -d)
service_pid=
load_pid=
cleanup() {
    [ -n "$load_pid" ] && kill "$load_pid" 2>/dev/null
    [ -n "$service_pid" ] && kill "$service_pid" 2>/dev/null && wait "$service_pid" 2>/dev/null
    [ -n "${KEEP:-}" ] && echo "service-load: files kept in $work" || rm -rf "$work"
}
trap cleanup EXIT

# Starts the service on the run's database and a free loopback port; sets port and service_pid.
start_service() {
    : >"$work/service.out"
    "$bin/qm-service" --host 127.0.0.1 --port 0 --db "$work/load.db" \
        >"$work/service.out" 2>>"$work/service.log" &
    service_pid=$!
    for _ in $(seq 300); do
        port=$(sed -n 's/^listening on \([0-9]*\)$/\1/p' "$work/service.out")
        [ -n "$port" ] && return 0
        kill -0 "$service_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "service-load: qm-service did not start" >&2
    tail -5 "$work/service.log" >&2
    return 1
}

# SIGTERM: the service must stop cleanly (exit status 0, under a sanitizer: nothing leaked).
stop_service() {
    local code=0
    kill "$service_pid"
    wait "$service_pid" || code=$?
    service_pid=
    if [ "$code" -ne 0 ]; then
        echo "service-load: qm-service stopped with status $code" >&2
        tail -20 "$work/service.log" >&2
        status=1
    fi
}

status=0
echo "== load: $connections connections for $seconds s"
start_service
"$bin/qm-service-load" run --port "$port" --connections "$connections" --seconds "$seconds" \
    --ledger "$work/before.ledger" || status=1
stop_service
"$bin/qm-service-load" verify --db "$work/load.db" --ledger "$work/before.ledger" || status=1

# The same load again, killed half-way: requests in flight at the kill have no answer, and only
# what was acknowledged must be there after the restart.
echo
echo "== kill -9 under load"
start_service
"$bin/qm-service-load" run --port "$port" --connections "$connections" --seconds "$seconds" \
    --ledger "$work/killed.ledger" --until-gone >"$work/killed.out" 2>&1 &
load_pid=$!
for _ in $(seq 600); do
    grep -q 'connections to' "$work/killed.out" && break
    kill -0 "$load_pid" 2>/dev/null || break
    sleep 0.1
done
sleep "$(awk -v s="$seconds" 'BEGIN { print s / 2 }')"
kill -9 "$service_pid"
wait "$service_pid" 2>/dev/null || true
service_pid=
echo "killed qm-service after $(awk -v s="$seconds" 'BEGIN { print s / 2 }') s of load"
wait "$load_pid" || status=1
load_pid=
tail -4 "$work/killed.out"

echo
echo "== restart on the same database"
start_service
echo "qm-service opened the database and listens on $port"
"$bin/qm-service-load" verify --db "$work/load.db" \
    --ledger "$work/before.ledger" --ledger "$work/killed.ledger" || status=1
stop_service

echo
[ "$status" -eq 0 ] && echo "service-load: ok" || echo "service-load: FAILED"
exit "$status"
