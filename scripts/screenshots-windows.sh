#!/usr/bin/env bash
# Remakes the README's screenshots of the Windows programs in docs/: prjBazelot.exe under Wine on a
# private virtual display, driven with key presses as a user would: a value translated in each main
# window, the language switched through the menu, both About dialogs opened, File > Exit at the end.
# Run it after the Windows build (scripts/build-windows.sh, or the windows preset).
#
#   scripts/screenshots-windows.sh [DPI]
#
# With a DPI other than 96 (192 is 200 % scaling) Wine's system DPI is set to it and the same pictures
# go to build/windows/screenshots-DPI/ instead of docs/, to look at, not to publish.
set -euo pipefail
cd "$(dirname "$0")/.."

dpi=${1:-96}
if ! [[ $dpi =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [DPI]" >&2
    exit 2
fi

program=build/windows/app/prjBazelot.exe
if [ ! -f "$program" ]; then
    echo "No $program yet: build first (cmake --preset windows && cmake --build --preset windows)." >&2
    exit 1
fi
for tool in wine Xvfb xdotool xwininfo import convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing: run scripts/setup.sh run headless test windows wine as root." >&2
        exit 1
    fi
done
if [ ! -f /usr/share/wine/fonts/marlett.ttf ]; then
    echo "Wine's fonts are missing: run scripts/setup.sh run headless test windows wine as root." >&2
    exit 1
fi

# A prefix of its own that draws on X, beside the tests' one, which has no display at all.
export BAZELOT_WINEPREFIX=${BAZELOT_WINEPREFIX:-$PWD/build/windows/wineprefix-x11}
export BAZELOT_WINE_GRAPHICS=x11
source scripts/wine-env.sh

source scripts/screenshot-helpers.sh
work_dir=$(mktemp -d)
bazelot_xvfb_pid=
cleanup() {
    wineserver -k 2>/dev/null || true
    kill "$bazelot_xvfb_pid" 2>/dev/null || true
    rm -rf "$work_dir"
}
trap cleanup EXIT
# Room for the windows at twice the size, too.
screen_width=$((1024 * dpi / 96))
screen_height=$((768 * dpi / 96))
bazelot_start_display "$work_dir" "${screen_width}x${screen_height}"

bazelot_wine_prefix
# Wine's own fonts, as a Windows system has them: "MS Sans Serif" and the title bar's Marlett glyphs.
cp -u /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
# Wine has one system DPI, read when a program starts; set every time, as the prefix is kept.
for key in 'HKCU\Control Panel\Desktop' 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
done
if [ "$dpi" != 96 ]; then
    bazelot_shots_dir=build/windows/screenshots-$dpi
fi
mkdir -p "${bazelot_shots_dir:-docs}"

# Key presses reach a Wine window only inside a Wine virtual desktop.
wine explorer /desktop=Bazelot,$((800 * dpi / 96))x$((600 * dpi / 96)) "$program" </dev/null >/dev/null 2>&1 &
wine_pid=$!

# The window's part of the display: PrintWindow and import -window give blank images under Wine. Wine
# takes keys through the X window of its own active window, which is what keys gives the focus.
shot() {
    sleep 0.7
    # xwininfo, not xdotool: the latter misplaces the windows inside a Wine desktop.
    local info x y width height
    info=$(xwininfo -id "$1")
    x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    width=$(sed -n 's/^ *Width: *//p' <<<"$info")
    height=$(sed -n 's/^ *Height: *//p' <<<"$info")
    import -window root -crop "${width}x${height}+${x}+${y}" png:- | bazelot_save_png "$2"
}

xdotool mousemove $((screen_width - 1)) $((screen_height - 1)) # off the windows: no hover marks, no tool tips

russian=$(bazelot_window "Кварзел систем счисления")
translate "$russian" 255
shot "$russian" windows-main-ru
keys "$russian" F10 Right Right Return # О_программе, by the menu bar: the Cyrillic access keys need a Russian keyboard
about=$(bazelot_window "О_программе")
shot "$about" windows-about-ru
keys "$about" Escape

keys "$russian" F10 Right Return Return Return # Настройки > Выбрать язык > Английский
english=$(bazelot_window "Bazelot of calculating systems")
translate "$english" 255
shot "$english" windows-main-en
keys "$english" alt+a # About
about=$(bazelot_window "About_program")
shot "$about" windows-about-en
keys "$about" Escape

keys "$english" alt+f e # File > Exit
for _ in $(seq 100); do
    xdotool search --name "^Bazelot of calculating systems\$" >/dev/null 2>&1 || break
    sleep 0.1
done
if xdotool search --name "^Bazelot of calculating systems\$" >/dev/null 2>&1; then
    echo "The program did not end on File > Exit." >&2
    exit 1
fi
wait "$wine_pid" || true
