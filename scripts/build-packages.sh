#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages tesilka (the pupil's program) and tesilka-ucitel (the teacher's)
# into build-packages/packages/. Further arguments go to CMake, so that a school builds them for
# its own database and contact address, for example:
#   scripts/build-packages.sh -DTESILKA_DATABASE_PATH=/mnt/skola/tesilka/tesilka.db \
#                             -DTESILKA_CONTACT_ADDRESS=ucitel@skola.example.org
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build-packages -DCMAKE_BUILD_TYPE=Release -DTESILKA_BUILD_TESTS=OFF "$@"
cmake --build build-packages -j"$(nproc)"
scripts/check-packages.sh build-packages
ls -1 "$PWD"/build-packages/packages/*.deb
