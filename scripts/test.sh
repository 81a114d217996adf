#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole suite in a
# release build, then the conversion library's tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
(cd build && ctest --output-on-failure -j2)

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPAGEWRIGHT_SANITIZE=ON -DPAGEWRIGHT_BUILD_APP=OFF
cmake --build build-sanitize -j2
(cd build-sanitize && ctest --output-on-failure -j2)
