#!/usr/bin/env bash
# Packs the installer with cpack, installs it silently into a folder with a blank in its name, starts
# and closes each installed program, checks the Start-menu entries, then uninstalls silently.
#   installer_wine.sh BUILD_FOLDER STARTCLOSE_EXE
set -euo pipefail
build=$1
startclose=$2
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
bazelot_wine_prefix

work="$build/tests/windows/installer"
rm -rf "$work"
cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$work" >/dev/null
installer=$(find "$work" -maxdepth 1 -name '*.exe')

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
check "the installed programs start and close" \
    timeout 60 wine "$startclose" "$folder\\prjBazelot.exe" "$folder\\КВАРЗЕЛ.exe"

# _?= keeps the uninstaller in place, so that it has ended when wine returns; last and unquoted too.
read -ra folder_words <<<"_?=$folder"
timeout 60 wine "$unix_folder/Uninstall.exe" /S "${folder_words[@]}"
check "programs removed" test ! -e "$unix_folder/prjBazelot.exe" -a ! -e "$unix_folder/КВАРЗЕЛ.exe"
check "Start-menu entries removed" test ! -e "$menu"
rm -rf "$unix_folder"
exit $((failures > 0))
