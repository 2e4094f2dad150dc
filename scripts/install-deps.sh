#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the tests and the program need, where missing.
set -euo pipefail

packages=(
  cmake g++ make
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  # a school database on a server: Qt's driver, libpq and SQLite's headers, and the server that
  # the tests start for themselves
  libqt6sql6-psql libpq-dev libsqlite3-dev postgresql
  # the school's certificates for the server's pupils (the tests' server uses them too)
  openssl
  # chattr: a database file that even root may not write, for the read-only tests
  e2fsprogs
  fonts-liberation sqlite3 qt6-translations-l10n locales
  # the Slovak and English interface: lupdate and lrelease, and CMake's qt_add_translations
  qt6-l10n-tools qt6-tools-dev
  # the time zones: the decoder's clock is tested across Prague's changes of summer time
  tzdata
  # the teacher's results: the progress chart (Qt Charts needs Qt's OpenGL module to build
  # against), and a check of the printed PDF
  qt6-charts-dev libqt6opengl6-dev poppler-utils
  # class lists from spreadsheets and results saved for them (XLSX and ODS are zip files)
  libquazip1-qt6-dev
  # the icons, the Debian packages and their checks
  librsvg2-bin dpkg-dev desktop-file-utils appstream xvfb xdotool
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

# Runs a command as root: directly, through sudo, or not at all with a clear message.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "This step needs root and this user cannot get it:" >&2
    echo "  $*" >&2
    echo "Run that as root, then try again." >&2
    exit 1
  fi
}

if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    "${missing[@]}"
fi

# The pupils' machines run in the Czech locale and the tests run there too, and again in the
# Slovak and English ones that the interface also speaks.
for wanted in cs_CZ sk_SK en_US; do
  if ! locale -a 2>/dev/null | grep -qix "$wanted\.utf-\?8"; then
    echo "Generating the locale $wanted.UTF-8"
    as_root sed -i -E "s/^# *($wanted\.UTF-8 UTF-8)/\1/" /etc/locale.gen
    grep -qx "$wanted.UTF-8 UTF-8" /etc/locale.gen ||
      echo "$wanted.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    generate=1
  fi
done
if [ -n "${generate:-}" ]; then
  as_root locale-gen
fi
