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

# The Windows programs, cross-built with mingw-w64 and tested under Wine in a private prefix; the
# tests themselves start one Wine server for the run and end it.
cmake --preset windows -DBAZELOT_BUILD_TESTS=ON
cmake --build --preset windows
ctest --preset windows
