#!/usr/bin/env bash
# Configures and builds Orvane into build/ (program folder: build/Orvane/).
# ORVANE_WERROR=ON turns warnings in our code into errors (CI does).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DORVANE_WERROR="${ORVANE_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"
