# Sourced by the scripts that run the Windows programs: Wine in the project's own prefix, quiet, with
# no Mono or Gecko installers, no desktop menu entries and no display.
#   BAZELOT_WINEPREFIX   the prefix (default build/windows-test/wineprefix, the Windows tests' own)
#   BAZELOT_WINE_GRAPHICS  the graphics driver a new prefix gets: null (default; windows are created
#                        and messages flow without any X display) or x11 (for a virtual display)
bazelot_source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${BAZELOT_WINEPREFIX:-$bazelot_source_dir/build/windows-test/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# With LANG=C a program with a Cyrillic file name does not start.
export LANG=C.UTF-8
export LC_ALL=C.UTF-8

# Makes the prefix once (about 6 s); later calls only find it. Safe when several tests start at once.
bazelot_wine_prefix() {
    [ -f "$WINEPREFIX/.bazelot-ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -f "$WINEPREFIX/.bazelot-ready" ] && exit 0
        rm -rf "$WINEPREFIX"
        wineboot -i
        # Without a window manager, every window that hides or closes would wait 2 s for one.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d "${BAZELOT_WINE_GRAPHICS:-null}" /f
        # Until its server has saved the registry and ended.
        wineserver -w
        touch "$WINEPREFIX/.bazelot-ready"
    ) 9>"$WINEPREFIX.lock" </dev/null >/dev/null 2>&1
}

# Keeps one Wine server and its background processes running, so that each program started later
# takes a fraction of a second instead of about three. Their output goes nowhere: whoever holds it
# open (ctest) would otherwise wait for them.
bazelot_wine_start() {
    bazelot_wine_prefix
    # Fails when a server already runs in the prefix, which is as good.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    wine cmd /c exit </dev/null >/dev/null 2>&1
}

bazelot_wine_stop() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
}
