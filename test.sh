#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tesilka with warnings as errors and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESILKA_WERROR=ON
cmake --build build-tests -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-tests --output-on-failure -j"$(nproc)"
scripts/check-packages.sh build-tests
