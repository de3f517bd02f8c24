#!/usr/bin/env bash
# Builds everything, starts the stand-in service with its Shanghai data on 127.0.0.1:8470 and
# the client walking around People's Square; the service stops when the client quits.
# Without a display the client runs on a virtual one: a picture of the launch cover and the
# screenshot tour of every screen (qmclient --tour) in out/.
set -euo pipefail
cd "$(dirname "$0")"

headless=0
[ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && headless=1
if [ "$headless" = 1 ]; then
    scripts/install-deps.sh xvfb xauth
else
    scripts/install-deps.sh
fi

cmake --preset default >/dev/null
cmake --build --preset default --target qmclient qm-service

service_log=$(mktemp -t qm-service.XXXXXX.log)
build/bin/qm-service --host 127.0.0.1 --port 8470 >"$service_log" 2>&1 &
service_pid=$!
trap 'kill "$service_pid" 2>/dev/null; wait "$service_pid" 2>/dev/null || true' EXIT

for _ in $(seq 1 100); do
    grep -q "listening on" "$service_log" && break
    if ! kill -0 "$service_pid" 2>/dev/null; then
        echo "qm-service did not start:" >&2
        cat "$service_log" >&2
        exit 1
    fi
    sleep 0.1
done
echo "qm-service is answering on http://127.0.0.1:8470/shanghai/api/ (log: $service_log)"

export QM_NMEA_FILE="$PWD/data/shanghai-walk.nmea"
if [ "$headless" = 1 ]; then
    mkdir -p out
    echo "No display: running the client on a virtual display."
    xvfb-run -a -s "-screen 0 1024x768x24" \
        build/bin/qmclient --screenshot out/launch.png --delay 1000
    # The tour signs in as the demo member and leaves one picture per screen: out/NN-screen.png.
    rm -f out/[0-9][0-9]-*.png
    xvfb-run -a -s "-screen 0 1024x768x24" build/bin/qmclient --tour out
    echo "Screenshots in $PWD/out/: launch.png (the launch cover), then every screen in order"
else
    build/bin/qmclient "$@"
fi
