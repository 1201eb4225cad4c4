#!/usr/bin/env bash
# Installs what a fresh Debian 12 / Ubuntu machine lacks to build, run and test Bazelot.
# As root it installs with apt-get; otherwise it names the missing packages and stops.
set -euo pipefail

packages=(
    # build
    g++ cmake ninja-build qt6-base-dev libgl-dev
    # Cyrillic glyphs for the Russian window, a virtual display and screenshots
    fonts-dejavu-core xvfb xauth imagemagick x11-utils
    # sanitizers, libFuzzer and the benchmark
    clang libclang-rt-dev libbenchmark-dev
    # the benchmark's outside observer of the window (X Damage and XTest)
    libxdamage-dev libxtst-dev
    # the Windows registry layer and version resources, checked under Wine
    wine64 wine g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    # the Windows programs' icon and installer
    icoutils nsis
    # desktop entry lint and the Debian package's computed dependencies
    desktop-file-utils dpkg-dev file
    # the icon's render check, and the key presses that make the README's screenshots
    librsvg2-bin xdotool
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Bazelot needs these packages, which are not installed:" >&2
    echo "    ${missing[*]}" >&2
    echo "Install them as root, for example:" >&2
    echo "    sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
