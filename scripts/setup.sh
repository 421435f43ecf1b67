#!/usr/bin/env bash
# Installs, from Debian's packages, everything the project needs to build,
# test and run. Idempotent and non-interactive.
set -euo pipefail

PACKAGES=(
  build-essential g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libcli11-dev
  firebird-dev libfbclient2 firebird3.0-server firebird3.0-server-core firebird3.0-utils
  qt6-base-dev qt6-base-dev-tools libgl-dev
  xvfb xauth imagemagick xdotool
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  SUDO=()
  [[ $(id -u) -ne 0 ]] && SUDO=(sudo -E)
  export DEBIAN_FRONTEND=noninteractive
  "${SUDO[@]}" apt-get update
  "${SUDO[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
