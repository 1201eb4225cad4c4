#!/usr/bin/env bash
# Sets up what is missing, builds Bazelot and starts it. Without a usable display it starts the
# program on a private virtual display (Xvfb), saves a screenshot of its window and says where; only
# then does it set up the virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh run

# Both programs and all that installing them takes, so that the README's install and cpack follow.
cmake --preset default >/dev/null
cmake --build --preset default

program=build/default/app/prjBazelot

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$program"
fi

if [ -n "${DISPLAY:-}" ]; then
    echo "The display $DISPLAY cannot be opened; using a virtual one instead."
else
    echo "No display is set (DISPLAY is empty); using a virtual one instead."
fi
scripts/setup.sh headless

workdir=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; wait "$program_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$workdir"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the descriptor once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$workdir/display" >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$workdir/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$workdir/xvfb.log" >&2; echo "Xvfb did not start." >&2; exit 1; }
    sleep 0.1
done
[ -s "$workdir/display" ] || { echo "Xvfb did not become ready." >&2; exit 1; }
export DISPLAY=":$(head -n1 "$workdir/display")"

"$program" >"$workdir/program.log" 2>&1 &
program_pid=$!

# The main window is the program's window that carries its class and is on the screen.
window=
for _ in $(seq 100); do
    for candidate in $(xwininfo -root -tree 2>/dev/null | awk '/\("prjBazelot" "prjBazelot"\)/ { print $1 }'); do
        if xwininfo -id "$candidate" 2>/dev/null | grep -q IsViewable; then
            window=$candidate
        fi
    done
    [ -n "$window" ] && break
    kill -0 "$program_pid" 2>/dev/null || { cat "$workdir/program.log" >&2; echo "prjBazelot ended before it showed a window." >&2; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { cat "$workdir/program.log" >&2; echo "prjBazelot showed no window." >&2; exit 1; }
sleep 1 # let it paint

screenshot="$PWD/build/default/prjBazelot-screenshot.png"
import -window "$window" "$screenshot"

echo "prjBazelot started on the virtual display $DISPLAY; its window is saved as:"
echo "    $screenshot"
echo "To work with a real window, run scripts/run.sh in a desktop session (or over ssh -X), where DISPLAY is set."
