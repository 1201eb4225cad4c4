#!/usr/bin/env bash
# Runs the package check of each script that sets up (run.sh, test.sh, bench.sh, build-windows.sh) as on
# a machine that has nothing installed, and checks what it asks for: running must never pull in what only
# the tests, the benchmarks or the Windows build need, nor a virtual display where a display opens; the
# Windows build never Qt, X or a host compiler; and each package must come with the script that uses it.
# Then that the README's install and cpack work from what run.sh builds.
#
#   setup_purposes.sh SOURCE_DIR
set -euo pipefail
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: >"$work/nothing"

# asks INSTALLED SCRIPT LINES: the packages that the first LINES set-up lines of SCRIPT ask for, one a line
asks() {
    local purposes
    purposes=$(sed -n 's|^scripts/setup.sh ||p' "$root/scripts/$2" | head -n "$3")
    [ -n "$purposes" ] || { echo "FAIL: scripts/$2 does not call scripts/setup.sh" >&2; return 1; }
    # It fails when something is missing and names it in its advice to install.
    # shellcheck disable=SC2086 # the purposes are words
    BAZELOT_INSTALLED_PACKAGES=$1 "$root/scripts/setup.sh" --check $purposes >"$work/advice" 2>&1 || true
    sed -n 's/^ *sudo apt-get install -y --no-install-recommends //p' "$work/advice" | tr ' ' '\n'
}

status=0
# script and how many of its set-up lines run | packages it must ask for | packages it must not ask for
while IFS='|' read -r script needed unwanted; do
    # shellcheck disable=SC2086 # the script and its count of lines
    asked=$(asks "$work/nothing" $script)
    for package in $needed; do
        grep -qxF -- "$package" <<<"$asked" || { echo "FAIL: $script does not ask for $package"; status=1; }
    done
    for package in $unwanted; do
        ! grep -qxF -- "$package" <<<"$asked" || { echo "FAIL: $script asks for $package"; status=1; }
    done
done <<'ROWS'
run.sh 1|g++ cmake ninja-build qt6-base-dev librsvg2-bin fonts-dejavu-core qt6-translations-l10n x11-utils|xvfb imagemagick doctest-dev desktop-file-utils appstream dpkg-dev lintian xdotool orca openbox clang libclang-rt-dev libbenchmark-dev libxdamage-dev libxtst-dev wine64 wine g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis
run.sh 2|qt6-base-dev xvfb xauth imagemagick|doctest-dev clang libbenchmark-dev wine64 nsis
test.sh 1|qt6-base-dev doctest-dev xvfb xauth desktop-file-utils appstream dpkg-dev file lintian xdotool orca openbox speech-dispatcher-espeak-ng clang libclang-rt-dev wine64 fonts-wine g++-mingw-w64-x86-64-posix nsis icoutils|libbenchmark-dev libxdamage-dev libxtst-dev
bench.sh 1|qt6-base-dev xvfb libbenchmark-dev libxdamage-dev libxtst-dev|doctest-dev clang wine64 nsis
build-windows.sh 1|cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis icoutils librsvg2-bin|g++ qt6-base-dev libgl-dev qt6-translations-l10n x11-utils xvfb wine64 wine doctest-dev
ROWS

# Once what it asked for is installed, the check passes and asks for nothing more.
asks "$work/nothing" run.sh 1 >"$work/installed"
if ! BAZELOT_INSTALLED_PACKAGES=$work/installed "$root/scripts/setup.sh" --check run 2>"$work/stderr"; then
    echo "FAIL: with its packages installed, the check for run still fails:"
    cat "$work/stderr"
    status=1
fi
if "$root/scripts/setup.sh" --check run tset 2>/dev/null; then
    echo "FAIL: an unknown purpose passes"
    status=1
fi

# run.sh builds a whole preset, not one program, and the README installs and packs from its folder.
preset=$(sed -n 's/^cmake --build --preset \([a-z-]*\)$/\1/p' "$root/scripts/run.sh")
for line in "cmake --install build/$preset " "cd build/$preset && cpack"; do
    if [ -z "$preset" ] || ! grep -qF -- "$line" "$root/README.md"; then
        echo "FAIL: the README's install does not follow run.sh's build (preset '$preset'): no \"$line\""
        status=1
    fi
done
exit $status
