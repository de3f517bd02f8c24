#!/bin/sh
# Times launch to first paint as whole processes: the client (its launch cover) beside a bare
# Qt Widgets window of the same size (qm-bare-window), started in turn RUNS times each, and
# prints both medians and their ratio. Both print the wall-clock time of their first painted
# frame (QM_FIRST_PAINT_EXIT) and quit; the time counts from just before the process is started.
#
#   bench/launch-bench.sh [RUNS] [BIN_DIR]      (default 20 runs, build/bin)
#
# Without a display the offscreen platform is used. The client gets a fresh documents directory
# and a fixed position; no service is needed (the launch cover is painted before any answer).
set -eu
runs=${1:-20}
bin=${2:-"$(dirname "$0")/../build/bin"}
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
QM_POSITION=31.2304,121.4737 QM_FIRST_PAINT_EXIT=1 \
exec python3 - "$runs" "$bin/qm-bare-window" "$bin/qmclient" <<'PY'
import statistics, subprocess, sys, time

runs, bare, client = int(sys.argv[1]), sys.argv[2], sys.argv[3]

def launch(program):
    start = time.time_ns()
    out = subprocess.run([program], capture_output=True, text=True, timeout=60).stdout
    for line in out.splitlines():
        if line.startswith("first-paint "):
            return (int(line.split()[1]) - start) / 1e6
    sys.exit(f"{program} printed no first paint")

launch(bare), launch(client)  # warm the page cache
times = {bare: [], client: []}
for _ in range(runs):
    for program in (bare, client):
        times[program].append(launch(program))
b, c = statistics.median(times[bare]), statistics.median(times[client])
print(f"runs: {runs} each, interleaved")
print(f"qm-bare-window  first paint: median {b:7.1f} ms  (min {min(times[bare]):.1f})")
print(f"qmclient cover  first paint: median {c:7.1f} ms  (min {min(times[client]):.1f})")
print(f"ratio client / bare: {c / b:.2f}")
PY
