#!/usr/bin/env bash
# Remakes the README's screenshots in docs/ from the built program on a virtual display. The program
# takes no command line, so the script drives it as a user would, with key presses: it translates a value
# in each main window, switches the language through the menu, opens both About dialogs and the two
# message boxes, and ends the program with File > Exit. Run it after a build (scripts/run.sh builds).
set -euo pipefail
cd "$(dirname "$0")/.."

program=build/default/app/prjBazelot
if [ ! -x "$program" ]; then
    echo "No $program yet: build first (scripts/run.sh, or cmake --preset default && cmake --build --preset default)." >&2
    exit 1
fi
for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing: run scripts/setup.sh run headless test as root." >&2
        exit 1
    fi
done

source scripts/screenshot-helpers.sh
work_dir=$(mktemp -d)
bazelot_xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    kill "$bazelot_xvfb_pid" 2>/dev/null || true
    rm -rf "$work_dir"
}
trap cleanup EXIT
bazelot_start_display "$work_dir"

# The same look on every machine: no desktop theme, no scaling, the runtime folder Qt asks for.
mkdir -m 700 "$work_dir/runtime"
env -u XDG_CURRENT_DESKTOP -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR \
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work_dir/runtime" "$program" &
program_pid=$!

shot() {
    sleep 0.5
    import -window "$1" png:- | bazelot_save_png "$2"
}

mkdir -p docs
xdotool mousemove 1023 767 # keep the pointer off the windows: no hover marks, no tool tips

russian=$(bazelot_window "Кварзел систем счисления")
translate "$russian" 255
shot "$russian" main-ru
keys "$russian" alt+Cyrillic_o                          # О_программе
about=$(bazelot_window "О_программе")
shot "$about" about-ru
keys "$about" Escape

# Alt+O would be ambiguous in the English window (Options and the two Octa buttons), so the script goes
# from Russian to English only, where every access key it uses is unique.
keys "$russian" alt+Cyrillic_en Cyrillic_ve Cyrillic_a  # Настройки > Выбрать язык > Английский
english=$(bazelot_window "Bazelot of calculating systems")
translate "$english" 255
shot "$english" main-en
keys "$english" alt+a                                   # About
about=$(bazelot_window "About_program")
shot "$about" about-en
keys "$about" alt+s                                     # System Info..., which finds no tool here
box=$(bazelot_window "prjBazelot")
shot "$box" sysinfo-unavailable
keys "$box" Return
keys "$about" Escape

keys "$english" shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a
translate "$english" 2147483648                         # one above the range
box=$(bazelot_window "Translation Module Error")
shot "$box" overflow
keys "$box" Return

keys "$english" alt+f e                                 # File > Exit
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
    echo "The program did not end on File > Exit." >&2
    exit 1
fi
wait "$program_pid" # its exit status ends this script too, through set -e
program_pid=
