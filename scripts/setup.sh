#!/usr/bin/env bash
# Installs what a fresh Debian 12 / Ubuntu machine lacks for the purposes asked for, and nothing else:
#
#   scripts/setup.sh [--check] PURPOSE...     PURPOSE: run, headless, test, bench, windows
#
# run.sh asks for "run", and for "headless" too where no display can be opened; test.sh asks for
# "run test windows", bench.sh for "run bench". As root it installs the missing packages with apt-get;
# otherwise, or with --check, it names them, says how to install them and fails.
# BAZELOT_INSTALLED_PACKAGES=FILE (one package a line) stands in for the package database, so that a
# test can see what each purpose asks for on a machine that has nothing.
set -euo pipefail

usage() {
    echo "usage: $0 [--check] PURPOSE...   (PURPOSE: run, headless, test, bench, windows)" >&2
    exit 2
}

# Each list holds only what its purpose adds; the others come on top of run.
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
    # the desktop entries' and the metainfo's validators; the Debian package's computed dependencies
    desktop-file-utils appstream dpkg-dev file
    # key presses into a real window (the README's screenshots)
    xdotool
    # the suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and the libFuzzer targets
    clang libclang-rt-dev
)
packages_bench=(
    # Google Benchmark for the engine; X Damage and XTest for the outside observer of the window, which
    # watches the programs on a private virtual display
    libbenchmark-dev libxdamage-dev libxtst-dev xvfb
)
packages_windows=(
    # the Windows programs cross-built with mingw-w64, their installer, and Wine to run and test them
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis wine64 wine
    # the Windows programs' icon file, made from the PNG sizes of the SVG
    icoutils
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
    bench) wanted+=("${packages_bench[@]}") ;;
    windows) wanted+=("${packages_windows[@]}") ;;
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
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
