#!/usr/bin/env bash
# Builds everything and runs every test. Exit status is CTest's.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec ctest --preset default
