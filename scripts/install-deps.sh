#!/usr/bin/env bash
# Installs what building, running and testing Zemlar needs (Debian 12 / Ubuntu).
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
packages=(
  build-essential cmake clang-format
  qt6-base-dev qt6-5compat-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-qpa-plugins libgl-dev
  fonts-liberation
  xvfb xauth xdotool imagemagick poppler-utils
  cups cups-client cups-bsd printer-driver-cups-pdf
  python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
