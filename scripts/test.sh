#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: first in
# build/, then the engine and orvane-cli alone (no Qt, no GDAL) in
# build-engine/, then the whole suite in build-sanitize/, built with
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer (desktop
# program included).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/install-deps.sh

# Formatting first: every C++ file as .clang-format describes it.
if command -v git >/dev/null && git rev-parse --git-dir >/dev/null 2>&1; then
  sources=$(git ls-files '*.cpp' '*.h')
else
  sources=$(find . -path ./build -prune -o -path './build-*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
# shellcheck disable=SC2086
clang-format --dry-run --Werror $sources
scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# The engine-only build: what a server without a desktop builds.
cmake -S . -B build-engine -G Ninja -DORVANE_GUI=OFF -DORVANE_GIS=OFF -DORVANE_BENCH=OFF \
  -DORVANE_WERROR="${ORVANE_WERROR:-OFF}" "${launcher[@]}" >/dev/null
cmake --build build-engine -j"$(nproc)"
(cd build-engine && ctest --output-on-failure -j"$(nproc)")

# Set for the build as well: it runs programs of its own (the manual's maker).
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Warnings are checked in build/: the sanitizers' instrumentation makes
# some of GCC's flow warnings report what cannot happen.
cmake -S . -B build-sanitize -G Ninja -DORVANE_SANITIZE=ON -DORVANE_BENCH=OFF -DORVANE_WERROR=OFF \
  "${launcher[@]}" >/dev/null
cmake --build build-sanitize -j"$(nproc)"
(cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
