#!/bin/sh
# Times launch to first paint as whole processes: the client (its launch cover) beside a bare
# Qt Widgets window of the same size (qm-bare-window), started in turn RUNS times each, and
# prints both medians and their ratio. Both print the wall-clock time of their first painted
# frame (QM_FIRST_PAINT_EXIT) and quit; the time counts from just before the process is started.
# The CPU time each process used (user + system, until it quit) is shown too: on a loaded
# machine it is the steadier figure.
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
import os, statistics, subprocess, sys, time

runs, bare, client = int(sys.argv[1]), sys.argv[2], sys.argv[3]

def launch(program):
    """Milliseconds from just before the start to the first paint, and the CPU time used."""
    start = time.time_ns()
    child = subprocess.Popen([program], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             text=True)
    out = child.stdout.read()
    _, status, usage = os.wait4(child.pid, 0)
    for line in out.splitlines():
        if line.startswith("first-paint "):
            return (int(line.split()[1]) - start) / 1e6, (usage.ru_utime + usage.ru_stime) * 1e3
    sys.exit(f"{program} printed no first paint (status {status})")

launch(bare), launch(client)  # warm the page cache
wall = {bare: [], client: []}
cpu = {bare: [], client: []}
for _ in range(runs):
    for program in (bare, client):
        w, c = launch(program)
        wall[program].append(w)
        cpu[program].append(c)
med = statistics.median
print(f"runs: {runs} each, interleaved; milliseconds, medians (min)")
for name, program in (("qm-bare-window", bare), ("qmclient cover", client)):
    print(f"{name:15} first paint {med(wall[program]):7.1f} ({min(wall[program]):.1f})"
          f"   process CPU {med(cpu[program]):6.1f} ({min(cpu[program]):.1f})")
print(f"ratio client / bare: first paint {med(wall[client]) / med(wall[bare]):.2f},"
      f" CPU {med(cpu[client]) / med(cpu[bare]):.2f}")
PY
