#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, where missing.
set -euo pipefail

packages=(
  cmake g++ make
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  fonts-liberation sqlite3 qt6-translations-l10n
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
elif command -v sudo >/dev/null 2>&1; then
  sudo apt-get update
  sudo DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
else
  echo "These packages are missing and this user cannot install them:" >&2
  echo "  apt-get install ${missing[*]}" >&2
  echo "Run that as root, then try again." >&2
  exit 1
fi
