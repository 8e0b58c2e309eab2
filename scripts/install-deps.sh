#!/usr/bin/env bash
# Installs the Debian packages Orvane needs to build and test, when missing.
# Run as root (or with sudo) on Debian 12. Installs nothing that is present.
set -euo pipefail

packages=(
  # build, and the formatting check
  cmake ninja-build g++ pkg-config clang-format
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # Qt 6 widgets and printing (Qt's GUI module needs the OpenGL headers to configure)
  qt6-base-dev libxkbcommon-dev libgl-dev
  # headless checks: virtual display, fonts for stable text metrics, PDF to text/PNG
  xvfb xauth fonts-liberation poppler-utils
  # reports: zlib for the RTF export's pictures; tests only: a real reader for
  # the exported RTF reports (converted to PDF headless)
  zlib1g-dev libreoffice-writer-nogui
  # a German locale, to prove numbers never follow the regional settings
  locales
  # help: chmlib to read compiled help files, chmcmd to compile them, enum_chmLib for the checks
  libchm-dev fp-utils libchm-bin
  # GIS import and export (GDAL with PROJ and GEOS); ogrinfo checks exported files
  libgdal-dev gdal-bin
  # installation: the desktop entry and file type checks, the Debian package (cpack -G DEB)
  desktop-file-utils shared-mime-info dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "install-deps: installing ${missing[*]}"
  if [[ $(id -u) -ne 0 ]]; then
    SUDO=sudo
  else
    SUDO=
  fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# de_DE.UTF-8 for the locale tests; harmless when it cannot be made.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [[ $(id -u) -eq 0 ]] && command -v localedef >/dev/null; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8 2>/dev/null || true
  fi
fi
