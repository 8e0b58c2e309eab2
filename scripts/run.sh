#!/usr/bin/env bash
# Installs what is missing, builds, and runs Orvane: the desktop program when
# a display is present, otherwise the command-line tool on a sample project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
program_dir=build/Orvane
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && -x "$program_dir/Orvane" ]]; then
  exec "$program_dir/Orvane"
fi
"$program_dir/orvane-cli" info "$program_dir/Projects/Bay.WDT"
echo
exec "$program_dir/orvane-cli" compute "$program_dir/Projects/Bay.WDT"
