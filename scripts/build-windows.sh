#!/usr/bin/env bash
# Cross-builds the Windows programs on Linux with mingw-w64 and packs them: a ZIP of prjBazelot.exe and
# КВАРЗЕЛ.exe and an installer, in build/windows/. Sets up what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh windows

cmake --preset windows
cmake --build --preset windows
(cd build/windows && cpack)
ls -l build/windows/Bazelot-*-win64.zip build/windows/Bazelot-*-win64.exe
