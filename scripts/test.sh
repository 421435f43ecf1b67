#!/usr/bin/env bash
# Installs what is missing, builds the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer, starts the local Firebird server and runs
# every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
eval "$(bash scripts/firebird-server.sh)"
export NORVANE_TEST_USUARIO NORVANE_TEST_CLAVE
export NORVANE_REQUIERE_SERVIDOR=1
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNORVANE_SANITIZE=ON -DBUILD_TESTING=ON
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure --timeout 300 -j "$(nproc)"
