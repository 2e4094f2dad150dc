#!/usr/bin/env bash
# Builds Tesilka and starts it. On the first run it also creates the sample school database
# at the built-in path, when nothing is there yet, so that both sign-in modes can be seen.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --target tesilka -j"$(nproc)"

database=$(sed -n 's/^TESILKA_DATABASE_PATH:STRING=//p' build/CMakeCache.txt)
if [ -n "$database" ] && [ ! -e "$database" ]; then
  scripts/create-database.sh "$database" --with-sample-pupils ||
    echo "Could not create the sample database at $database; the program offers e-mail mode only."
fi

exec build/tesilka
