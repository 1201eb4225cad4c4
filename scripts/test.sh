#!/usr/bin/env bash
# Sets up what is missing, builds Bazelot and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh run test windows

cmake --preset default -DBAZELOT_BUILD_TESTS=ON
cmake --build --preset default
ctest --preset default

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

# Every fuzz target for 20 seconds.
scripts/fuzz.sh 20
