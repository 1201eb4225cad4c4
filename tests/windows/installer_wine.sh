#!/usr/bin/env bash
# Installs the installer silently into a folder with a blank in its name, checks the uninstall entry
# that Windows lists, starts and closes each installed program, checks the Start-menu entries, then
# uninstalls silently and checks that nothing the installer made is left: files, shortcuts, registry keys.
#   installer_wine.sh INSTALLER STARTCLOSE_EXE
set -euo pipefail
installer=$1
startclose=$2
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
bazelot_wine_prefix

folder='C:\Bazelot Test'
unix_folder="$WINEPREFIX/drive_c/Bazelot Test"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Bazelot"
rm -rf "$unix_folder" "$menu"
failures=0
# A silent installer or uninstaller that waits for an answer never ends by itself.
check() { # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

# /D must come last and unquoted, blanks and all: wine would quote one argument holding a blank, so
# the folder's words go as separate arguments, which wine joins with a blank.
read -ra folder_words <<<"/D=$folder"
timeout 60 wine "$installer" /S "${folder_words[@]}"
for program in prjBazelot.exe КВАРЗЕЛ.exe Uninstall.exe; do
    check "$program installed" test -f "$unix_folder/$program"
done
for shortcut in "Bazelot of calculating systems" BAZELOT Uninstall; do
    check "Start-menu entry $shortcut" test -f "$menu/$shortcut.lnk"
done
# The uninstall entry, with the types Windows documents for its values.
uninstall_key=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null |
    tr -d '\r' | grep -i '\\bazelot' || true)
check "an uninstall entry" test -n "$uninstall_key"
entry=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
for value in NoModify NoRepair; do
    check "$value is the DWORD 1" grep -Eq "^ +$value +REG_DWORD +0x1\$" <<<"$entry"
done
check "EstimatedSize is a DWORD of some KiB" grep -Eq '^ +EstimatedSize +REG_DWORD +0x[0-9a-f]{2,}$' <<<"$entry"
check "the installed programs start and close" \
    timeout 60 wine "$startclose" "$folder\\prjBazelot.exe" "$folder\\КВАРЗЕЛ.exe"

# As a user runs it: the uninstaller copies itself away and returns at once, and that copy removes the
# folder, the uninstaller included, within a few seconds. That copy removes the folder before the
# Start-menu entries and the vendor's key, so the checks wait until all of them are gone (or 30 s have
# passed): checked as soon as the folder was gone, the Start-menu entries were at times still there.
timeout 60 wine "$unix_folder/Uninstall.exe" /S
keys=('HKLM\Software\Bazelot' "$uninstall_key")
key_gone() { ! wine reg query "$1" >/dev/null 2>&1; }
all_gone() {
    [ ! -e "$unix_folder" ] && [ ! -e "$menu" ] || return 1
    local key
    for key in "${keys[@]}"; do key_gone "$key" || return 1; done
}
for _ in $(seq 100); do
    all_gone && break
    sleep 0.3
done
check "the folder removed, programs and uninstaller" test ! -e "$unix_folder"
check "Start-menu entries removed" test ! -e "$menu"
for key in "${keys[@]}"; do
    check "no registry key $key" key_gone "$key"
done
rm -rf "$unix_folder"
exit $((failures > 0))
