#!/usr/bin/env bash
# Requests per second and 99th-percentile latency of qm-service answering the films now showing
# (kind 7) under wrk with 2 threads and 50 connections, beside nginx serving the same bytes as a
# static file on the same machine.
#
# Usage: bench/service-bench.sh [path/to/qm-service] [seconds] [rounds]
# The two are measured in turn, rounds times (default 3), and the medians compared, so that other
# work on the machine weighs on both alike. Installs wrk, nginx-light and curl when missing.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" wrk nginx-light curl
binary=${1:-$root/build/bin/qm-service}
seconds=${2:-10}
rounds=${3:-3}
for tool in wrk nginx curl md5sum; do
    command -v "$tool" >/dev/null || { echo "service-bench: $tool is missing" >&2; exit 1; }
done
[ -x "$binary" ] || { echo "service-bench: no qm-service at $binary" >&2; exit 1; }

work=$(mktemp -d)
service_pid=
cleanup() {
    [ -n "$service_pid" ] && kill "$service_pid" 2>/dev/null && wait "$service_pid" 2>/dev/null
    [ -f "$work/nginx.pid" ] && kill "$(cat "$work/nginx.pid")" 2>/dev/null
    sleep 0.2
    [ -n "${KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

# Keys of the benchmark's own, so the digest can be made here.
key=benchkey2026
private=bench-service
code=$(printf '%s' "$key$private" | md5sum | cut -d' ' -f1)

"$binary" --port 0 --db "$work/bench.db" --partner-key "$key" --private-key "$private" \
    >"$work/service.out" 2>"$work/service.log" &
service_pid=$!
for _ in $(seq 100); do
    grep -q 'listening on' "$work/service.out" 2>/dev/null && break
    sleep 0.1
done
port=$(sed -n 's/^listening on \([0-9]*\)$/\1/p' "$work/service.out")
[ -n "$port" ] || { echo "service-bench: qm-service did not start" >&2; cat "$work/service.log" >&2; exit 1; }
url="http://127.0.0.1:$port/shanghai/api/movie/playNowMovieList.xhtml?key=$key&encryptCode=$code"

mkdir -p "$work/www"
curl -sf "$url" >"$work/www/playNowMovieList.xml"
# nginx's workers drop root: they must be able to read the file.
chmod a+rx "$work" "$work/www"
chmod a+r "$work/www/playNowMovieList.xml"
bytes=$(wc -c <"$work/www/playNowMovieList.xml")

# nginx on a free port, everything it writes kept in the work directory.
start_nginx() {
    cat >"$work/nginx.conf" <<CONF
worker_processes 2;
pid $work/nginx.pid;
error_log $work/nginx-error.log;
events { worker_connections 1024; }
http {
    access_log off;
    client_body_temp_path $work/tmp-body;
    proxy_temp_path $work/tmp-proxy;
    fastcgi_temp_path $work/tmp-fastcgi;
    uwsgi_temp_path $work/tmp-uwsgi;
    scgi_temp_path $work/tmp-scgi;
    server {
        listen 127.0.0.1:$1;
        root $work/www;
        location / { default_type "text/xml; charset=UTF-8"; }
    }
}
CONF
    nginx -p "$work" -c "$work/nginx.conf" 2>/dev/null
}
# A port nobody listens on may still be bound by a connection: try the next until one binds.
nginx_port=$((port + 1))
until start_nginx "$nginx_port"; do
    nginx_port=$((nginx_port + 1))
    [ "$nginx_port" -lt $((port + 200)) ] || { echo "service-bench: nginx found no port" >&2; exit 1; }
done
static="http://127.0.0.1:$nginx_port/playNowMovieList.xml"
curl -sf "$static" | cmp -s - "$work/www/playNowMovieList.xml" \
    || { echo "service-bench: nginx does not serve the answer" >&2; exit 1; }

# CPU time of the processes so far, in clock ticks.
ticks() {
    local total=0 pid
    for pid in "$@"; do
        total=$((total + $(awk '{ print $14 + $15 }' "/proc/$pid/stat")))
    done
    echo "$total"
}

# One wrk run against the URL; the server's processes follow. Prints "requests/s p99-ms
# server-CPU-µs-per-request".
measure() {
    local url=$1 before after
    shift
    before=$(ticks "$@")
    wrk -t2 -c50 -d"${seconds}s" --latency "$url" >"$work/wrk.out"
    after=$(ticks "$@")
    awk -v ticks=$((after - before)) -v hz="$(getconf CLK_TCK)" '
        /requests in/ { n = $1 }
        /^Requests\/sec:/ { rps = $2 }
        $1 == "99%" { v = $2; ms = v + 0
                      if (v ~ /us$/) ms /= 1000; else if (v ~ /[0-9]s$/ && v !~ /ms$/) ms *= 1000
                      p99 = ms }
        END { printf "%.0f %.2f %.1f\n", rps, p99, n ? ticks / hz * 1e6 / n : 0 }' "$work/wrk.out"
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

nginx_pids="$(cat "$work/nginx.pid") $(pgrep -P "$(cat "$work/nginx.pid")" | tr '\n' ' ')"
echo "kind 7 answer: $bytes bytes; wrk -t2 -c50 -d${seconds}s, $rounds rounds in turn on $(nproc) cores"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
# cpu/req: the server's own CPU time per answer in µs, which other work on the machine hardly
# changes; a busy machine favours qm-service's many threads over nginx's two workers in the
# requests per second.
printf '%-7s %9s %8s %8s  %9s %8s %8s  %6s\n' "round" "service/s" "p99 ms" "cpu/req" \
    "nginx/s" "p99 ms" "cpu/req" "ratio"
: >"$work/rounds"
for round in $(seq "$rounds"); do
    read -r s_rps s_p99 s_cpu < <(measure "$url" "$service_pid")
    # shellcheck disable=SC2086
    read -r n_rps n_p99 n_cpu < <(measure "$static" $nginx_pids)
    ratio=$(awk -v a="$s_rps" -v b="$n_rps" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
    line="$s_rps $s_p99 $s_cpu $n_rps $n_p99 $n_cpu $ratio"
    echo "$line" >>"$work/rounds"
    # shellcheck disable=SC2086
    printf '%-7s %9s %8s %8s  %9s %8s %8s  %6s\n' "$round" $line
done
column() { awk -v c="$1" '{ print $c }' "$work/rounds" | median; }
printf '%-7s %9s %8s %8s  %9s %8s %8s  %6s\n' "median" "$(column 1)" "$(column 2)" \
    "$(column 3)" "$(column 4)" "$(column 5)" "$(column 6)" "$(column 7)"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
