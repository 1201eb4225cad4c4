#!/usr/bin/env bash
# Cross-compiles the Windows registry layer and GetKeyValue with mingw-w64 and runs them under Wine
# against registry values written into a fresh, private Wine prefix.
# Usage: run_wine_test.sh <source folder> <work folder>
# Exits 77 (skipped) when the tools are missing, unless CI=true, where that is a failure.
set -euo pipefail

source_dir=$(cd "$1" && pwd)
work=$2
cxx=x86_64-w64-mingw32-g++-posix

missing=()
for tool in "$cxx" wine wineboot wineserver; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -ne 0 ]; then
    if [ "${CI:-}" = true ]; then
        echo "FAIL: the Wine registry test needs ${missing[*]}; scripts/setup.sh installs them" >&2
        exit 1
    fi
    echo "SKIP: the Wine registry test needs ${missing[*]}; scripts/setup.sh installs them"
    exit 77
fi

rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
# Not reg.exe: "wine reg" would run a reg.exe from the current folder.
program="$work/getkeyvalue_wine.exe"
"$cxx" -std=c++20 -static -O1 -Wall -Wextra -I"$source_dir" -o "$program" \
    "$source_dir/platform/SystemRegistry_windows.cpp" \
    "$source_dir/platform/GetKeyValue.cpp" \
    "$source_dir/tests/platform/wine/getkeyvalue_wine.cpp"

export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
# No Mono or Gecko installers and no desktop menu entries; no window either.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export HOME="${HOME:-$work}"
unset DISPLAY WAYLAND_DISPLAY
trap 'wineserver -k 2>/dev/null || true' EXIT
cd "$work"

wineboot -i >/dev/null 2>&1

reg_add() {
    wine reg add "$@" /f >/dev/null
}
reg_add 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /t REG_SZ \
    /d 'C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe'
reg_add 'HKLM\SOFTWARE\Microsoft\Shared Tools Location' /v MSINFO /t REG_SZ \
    /d 'C:\Program Files\Common Files\Microsoft Shared\MSInfo'
test_key='HKLM\SOFTWARE\Bazelot Wine Test'
reg_add "$test_key" /v Terminated /t REG_SZ /d 'C:\Tools'
reg_add "$test_key" /v Dword /t REG_DWORD /d 0x12345678
reg_add "$test_key" /v SmallDword /t REG_DWORD /d 0x00ABCDEF
reg_add "$test_key" /v Expandable /t REG_EXPAND_SZ /d '%SystemRoot%\system32'
reg_add "$test_key" /v TooLong /t REG_SZ /d "$(printf 'A%.0s' $(seq 1100))"

wine "$program" write
wine "$program"
