#!/usr/bin/env bash
# The main job on the embedded demo installation: installs what is missing,
# builds the program and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build
./build/bin/norvane-envio-cli
