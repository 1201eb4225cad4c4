#!/usr/bin/env bash
# Sets up what is missing, builds Bazelot and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh run test package windows wine

# Each kind of build in a folder of its own (build/test, build/asan, ...), so that no folder is ever
# switched between configurations and no test program is left behind unbuilt.
cmake --preset test
cmake --build --preset test
ctest --preset test

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

# Every fuzz target for 20 seconds.
scripts/fuzz.sh 20

# The release artefacts of the last commit built twice, in two folders, and compared byte for byte.
scripts/reproducible.sh

# The Windows programs, cross-built with mingw-w64 and tested under Wine in a private prefix; the
# tests themselves start one Wine server for the run and end it.
cmake --preset windows-test
cmake --build --preset windows-test
ctest --preset windows-test
