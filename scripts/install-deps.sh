#!/usr/bin/env bash
# Installs from Debian's packages whatever of the given list is missing (nothing when all are
# there). Usage: scripts/install-deps.sh [extra packages...]
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-positioning-dev libqt6positioning6-plugins qt6-qpa-plugins
    libexpat1-dev libicu-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libcpp-httplib-dev libsqlite3-dev
    fonts-noto-cjk
    dpkg-dev file desktop-file-utils
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
    "${sudo_cmd[@]}" apt-get update
    "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
