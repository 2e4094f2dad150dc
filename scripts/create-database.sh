#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Creates an empty school database (tables and index) at PATH; with --with-sample-pupils
# also a few sample pupils. An existing file is never touched.
#   scripts/create-database.sh PATH [--with-sample-pupils]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
database=${1:?usage: create-database.sh PATH [--with-sample-pupils]}

if [ -e "$database" ]; then
  echo "$database already exists; nothing changed." >&2
  exit 1
fi
run=()
folder=$(dirname "$database")
if ! mkdir -p "$folder" 2>/dev/null || [ ! -w "$folder" ]; then
  if [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null 2>&1; then
    run=(sudo)
    sudo mkdir -p "$folder"
  fi
fi
"${run[@]}" sqlite3 "$database" < "$here/database/schema.sql"
if [ "${2:-}" = "--with-sample-pupils" ]; then
  "${run[@]}" sqlite3 "$database" < "$here/database/sample-pupils.sql"
fi
# Every pupil's machine writes to the file and to its folder (SQLite's journal lives beside it).
"${run[@]}" chmod a+rw "$database"
"${run[@]}" chmod a+rwx "$folder" 2>/dev/null || true
echo "School database created at $database"
