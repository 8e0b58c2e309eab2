#!/usr/bin/env bash
# Refreshes the README's pictures of the main window (docs/main-window-*.png)
# and of the unit conversion window (docs/unit-conversion.png):
# builds what is missing, then opens each sample project in the main window
# on a virtual 1280 x 800 display and saves what the window shows.
# BUILD_DIR chooses the build folder (default build/).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${BUILD_DIR:-build}"
if [[ ! -f "$build_dir/CMakeCache.txt" ]]; then
  cmake -S . -B "$build_dir" -G Ninja >/dev/null
fi
cmake --build "$build_dir" --target orvane-screenshot -j"$(nproc)"

# The window saves the projects it opens: work on copies of the samples.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp Projects/Bay.WDT Projects/Harbour.WDT "$work/"

mkdir -p docs
xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build_dir/app/orvane-screenshot" "$PWD/docs" "$work/Bay.WDT" "$work/Harbour.WDT"

# The pictures of the help topics and the manual (help/src/images).
cmake --build "$build_dir" --target orvane-help-pictures -j"$(nproc)"
xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build_dir/help/orvane-help-pictures" "$PWD/help/src/images" "$work/Bay.WDT"
