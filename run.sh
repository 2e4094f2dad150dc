#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tesilka and starts it: the pupil's program, or with "ucitel" the teacher's program
# (further arguments go to it, e.g. ./run.sh ucitel --decode mail.eml). On the first run it
# also creates the sample school database at the built-in path, when nothing is there yet, so
# that both sign-in modes can be seen.
#   ./run.sh [ucitel [ARGS...]]
set -euo pipefail
cd "$(dirname "$0")"

program=tesilka
binary=build/tesilka
if [ "${1:-}" = "ucitel" ]; then
  shift
  program=tesilka-ucitel
  binary=build/teacher/tesilka-ucitel
fi

# What the build says goes to standard error: standard output is the program's (--decode CSV).
exec 3>&1 1>&2
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --target "$program" -j"$(nproc)"

database=$(sed -n 's/^TESILKA_DATABASE_PATH:STRING=//p' build/CMakeCache.txt)
if [ -n "$database" ] && [ ! -e "$database" ]; then
  scripts/create-database.sh "$database" --with-sample-pupils ||
    echo "Could not create the sample database at $database; the program offers e-mail mode only."
fi

exec "$binary" "$@" 1>&3 3>&-
