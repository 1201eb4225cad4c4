#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix: the windows-test preset's test emulator.
#   wine-run.sh PROGRAM.exe [ARGUMENTS...]
#   wine-run.sh --start | --stop   starts or ends the Wine server that a test run shares
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

case "${1:-}" in
--start) bazelot_wine_start ;;
--stop) bazelot_wine_stop ;;
*)
    bazelot_wine_prefix
    exec wine "$@"
    ;;
esac
