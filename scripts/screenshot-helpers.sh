# shellcheck shell=bash
# Sourced by the screenshot scripts, which drive a program on a private virtual display with key
# presses as a user would: the display, the wait for a window, keys, a translation, the saved picture.
# The benchmark scripts take their private display from here too.

# bazelot_start_display WORK_DIR [WIDTHxHEIGHT]: starts Xvfb (1024x768 unless told) on a free display
# and exports DISPLAY; the server's process id is left in bazelot_xvfb_pid, for the caller to end.
bazelot_start_display() {
    # Xvfb picks a free display itself and writes its number once it accepts clients.
    Xvfb -displayfd 3 -screen 0 "${2:-1024x768}x24" -nolisten tcp 3>"$1/display" >/dev/null 2>&1 &
    # shellcheck disable=SC2034 # ended by the caller
    bazelot_xvfb_pid=$!
    for _ in $(seq 300); do
        [ -s "$1/display" ] && break
        sleep 0.1
    done
    if [ ! -s "$1/display" ]; then
        echo "Xvfb did not start." >&2
        exit 1
    fi
    DISPLAY=":$(cat "$1/display")"
    export DISPLAY
}

# bazelot_window TITLE: waits for a shown window with exactly this title and prints its id.
bazelot_window() {
    local id
    if ! id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$"); then
        echo "No window \"$1\" appeared." >&2
        exit 1
    fi
    echo "${id%%$'\n'*}"
}

# keys WINDOW KEY...: without a window manager nothing moves the keyboard focus: give it to the
# window, then press the keys.
keys() {
    local id=$1
    shift
    xdotool windowfocus --sync "$id"
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.3
    done
}

# translate WINDOW VALUE: types the value into the input box and presses Calculate by the tab order
# (input group, result box, output group, Calculate): decimal to binary, as a window opens. The input
# box has the focus when a window opens; after a translation the focus is on Calculate, four tabs back
# from the input box.
translate() {
    xdotool windowfocus --sync "$1"
    xdotool type --delay 100 "$2"
    keys "$1" Tab Tab Tab Tab space
}

# bazelot_save_png NAME: saves the picture on standard input as NAME.png in bazelot_shots_dir (docs
# unless set), small (64 colours are plenty for a dialog) and without time stamps, so that an unchanged
# program makes unchanged files.
bazelot_save_png() {
    local file="${bazelot_shots_dir:-docs}/$1.png"
    convert - +repage +dither -colors 64 -strip -define png:exclude-chunks=date,time "$file"
    echo "$file"
}
