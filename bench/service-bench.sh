#!/usr/bin/env bash
# Requests per second and 99th-percentile latency of qm-service answering the films now showing
# (kind 7) under wrk with 2 threads and 50 connections, beside nginx serving the same bytes as a
# static file on the same machine.
#
# Usage: bench/service-bench.sh [path/to/qm-service] [seconds]
# Installs wrk, nginx-light and curl when they are missing.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" wrk nginx-light curl
binary=${1:-$root/build/bin/qm-service}
seconds=${2:-10}
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
nginx_port=$((port + 1))
while (echo >"/dev/tcp/127.0.0.1/$nginx_port") 2>/dev/null; do nginx_port=$((nginx_port + 1)); done
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
        listen 127.0.0.1:$nginx_port;
        root $work/www;
        location / { default_type "text/xml; charset=UTF-8"; }
    }
}
CONF
nginx -p "$work" -c "$work/nginx.conf"
static="http://127.0.0.1:$nginx_port/playNowMovieList.xml"
curl -sf "$static" | cmp -s - "$work/www/playNowMovieList.xml" \
    || { echo "service-bench: nginx does not serve the answer" >&2; exit 1; }

measure() {
    local out
    out=$(wrk -t2 -c50 -d"${seconds}s" --latency "$1")
    printf '%-24s %12s %12s\n' "$2" \
        "$(awk '/^Requests\/sec:/ { print $2 }' <<<"$out")" \
        "$(awk '$1 == "99%" { print $2 }' <<<"$out")"
}

echo "kind 7 answer: $bytes bytes; wrk -t2 -c50 -d${seconds}s on $(nproc) cores"
printf '%-24s %12s %12s\n' "" "requests/s" "p99"
measure "$url" "qm-service (kind 7)"
measure "$static" "nginx (static file)"
