#!/usr/bin/env bash
# Installs what a fresh Debian 12 / Ubuntu machine lacks for the purposes asked for, and nothing else:
#
#   scripts/setup.sh [--check] PURPOSE...     PURPOSE: run, headless, test, package, bench, windows, wine
#
# run.sh asks for "run", and for "headless" too where no display can be opened; test.sh asks for
# "run test package windows wine", bench.sh for "run bench", build-windows.sh for "windows" alone. As
# root it installs the missing packages with apt-get, waiting while another installer holds the package
# lock; otherwise, or with --check, it names them, says how to install them and fails.
# BAZELOT_INSTALLED_PACKAGES=FILE (one package a line) stands in for the package database, so that a
# test can see what each purpose asks for on a machine that has nothing.
set -euo pipefail

purposes_text="run, headless, test, package, bench, windows, wine"
usage() {
    echo "usage: $0 [--check] PURPOSE...   (PURPOSE: $purposes_text)" >&2
    exit 2
}

# Each list holds only what its purpose adds to the one it comes with: headless, test, package and bench
# come on top of run, wine on top of windows. windows stands alone: no Qt, X or host compiler.
packages_run=(
    # the compiler and build tools, Qt Widgets (whose CMake files look for the OpenGL headers)
    g++ cmake ninja-build qt6-base-dev libgl-dev
    # the build renders the program's icon from its SVG into the PNG sizes it carries
    librsvg2-bin
    # Cyrillic glyphs for the Russian window
    fonts-dejavu-core
    # Qt's own texts (an edit box's context menu, a box's buttons) in Russian for the Russian window
    qt6-translations-l10n
    # run.sh's test whether the display opens (xdpyinfo), and its search for the window (xwininfo)
    x11-utils
)
packages_headless=(
    # run.sh where no display opens: a virtual one, and a screenshot of the window on it
    xvfb xauth imagemagick
)
packages_test=(
    # the test framework of the toolkit-free tests (Qt Test comes with Qt)
    doctest-dev
    # the desktop entries' and the metainfo's validators
    desktop-file-utils appstream
    # key presses into a real window (the README's screenshots)
    xdotool
    # the ways into the input box again on a private X display, which has the middle button's selection
    xvfb xauth
    # the suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and the libFuzzer targets
    clang libclang-rt-dev
    # what Orca speaks of the program: the screen reader, the accessibility bus it and Qt meet on, a
    # private session bus for both (dbus-run-session; the package is named dbus on Debian and Ubuntu
    # alike), a window manager that gives the focus, and speech through speech-dispatcher's espeak-ng
    # module (its sound goes to a null device)
    orca at-spi2-core dbus openbox speech-dispatcher speech-dispatcher-espeak-ng
)
packages_package=(
    # cpack's Debian package: its computed dependencies (dpkg-shlibdeps, file) and Debian's own check
    dpkg-dev file lintian
)
packages_bench=(
    # Google Benchmark for the engine; X Damage and XTest for the outside observer of the window, which
    # watches the programs on a private virtual display
    libbenchmark-dev libxdamage-dev libxtst-dev xvfb
)
packages_windows=(
    # the Windows programs cross-built with mingw-w64 (no host compiler: nothing is built for Linux)
    # and packed as a ZIP and an installer
    cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis
    # the programs' icon file, drawn from the SVG in the sizes Windows picks from
    librsvg2-bin icoutils
)
packages_wine=(
    # the Windows tests run the programs, the installer and doctest suites under Wine; doctest is a
    # header the cross-build takes from the host
    wine64 wine doctest-dev
    # Wine's own fonts (MS Sans Serif, the title bars' Marlett) for the Windows screenshots
    fonts-wine
)

check_only=
purposes=()
wanted=()
for argument in "$@"; do
    case $argument in
    --check) check_only=1 ;;
    run) wanted+=("${packages_run[@]}") ;;
    headless) wanted+=("${packages_headless[@]}") ;;
    test) wanted+=("${packages_test[@]}") ;;
    package) wanted+=("${packages_package[@]}") ;;
    bench) wanted+=("${packages_bench[@]}") ;;
    windows) wanted+=("${packages_windows[@]}") ;;
    wine) wanted+=("${packages_wine[@]}") ;;
    *) usage ;;
    esac
    [ "$argument" = --check ] || purposes+=("$argument")
done
[ ${#purposes[@]} -gt 0 ] || usage

is_installed() {
    if [ -n "${BAZELOT_INSTALLED_PACKAGES:-}" ]; then
        grep -sqxF -- "$1" "$BAZELOT_INSTALLED_PACKAGES"
    else
        dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
    fi
}

missing=()
for package in "${wanted[@]}"; do
    if ! is_installed "$package" && [[ " ${missing[*]} " != *" $package "* ]]; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ -n "$check_only" ] || [ "$(id -u)" -ne 0 ]; then
    echo "Bazelot needs these packages (${purposes[*]}), which are not installed:" >&2
    echo "    ${missing[*]}" >&2
    echo "Install them as root, for example:" >&2
    echo "    sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
fi

echo "Installing for ${purposes[*]}: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Another installer (a second set-up, a desktop's updater) may hold the locks. apt-get install waits for
# the package lock when told to; apt-get update fails at once on the lists' lock, so it is tried again.
wait_for_lock=(-o DPkg::Lock::Timeout=900)
for attempt in $(seq 300); do
    if output=$(apt-get "${wait_for_lock[@]}" update -qq 2>&1); then
        break
    fi
    if ! grep -q 'Could not get lock' <<<"$output" || [ "$attempt" -eq 300 ]; then
        echo "$output" >&2
        exit 1
    fi
    [ "$attempt" -gt 1 ] || echo "Waiting for another installer to finish..."
    sleep 3
done
apt-get "${wait_for_lock[@]}" install -y -qq --no-install-recommends "${missing[@]}"
