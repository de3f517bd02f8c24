#!/bin/sh
# Runs a command and reports its resident memory: the peak (VmHWM) and the last value read
# before it ended, sampled every 100 ms from /proc.
#
#   bench/rss.sh build/bin/qmclient --tour out/
set -eu
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGUMENT...]" >&2; exit 2; }
"$@" &
pid=$!
peak=0
last=0
while [ -r /proc/$pid/status ]; do
    rss=$(awk '/^VmRSS:/ {print $2}' /proc/$pid/status 2>/dev/null || true)
    hwm=$(awk '/^VmHWM:/ {print $2}' /proc/$pid/status 2>/dev/null || true)
    [ -n "$rss" ] && last=$rss
    [ -n "$hwm" ] && peak=$hwm
    sleep 0.1
done
status=0
wait $pid || status=$?
echo "resident memory of $1: peak $((peak / 1024)) MB, last read $((last / 1024)) MB (exit status $status)" >&2
exit $status
