#!/usr/bin/env bash
# Builds the release artefacts of the last commit twice, in two folders, under umask 0022 and 0002 and
# in two time zones, with SOURCE_DATE_EPOCH unset (so both take the commit's time), and checks that they
# are the same bytes: the Linux programs, the Debian package, the two Windows programs, their ZIP and
# their installer. Where two differ, diffoscope (if installed) shows how. lintian checks the package
# built under umask 0002 too. Only the artefacts are built: the release presets, no tests.
#
#   scripts/reproducible.sh        (after scripts/setup.sh run package windows)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$root" rev-parse HEAD)
if [ -n "$(git -C "$root" status --porcelain --untracked-files=no)" ]; then
    echo "Note: uncommitted changes are not built; the check builds commit $commit."
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/bazelot-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT

# build FOLDER UMASK TZ: a clone of the commit in FOLDER, built and packed as the README says.
build() {
    local folder=$1
    git clone --quiet --shared --no-checkout "$root" "$folder"
    git -C "$folder" checkout --quiet --detach "$commit"
    if ! (
        cd "$folder"
        umask "$2"
        export TZ=$3
        unset SOURCE_DATE_EPOCH
        cmake --preset default
        cmake --build --preset default
        (cd build/default && cpack)
        cmake --preset windows
        cmake --build --preset windows
        (cd build/windows && cpack)
    ) >"$folder.log" 2>&1; then
        tail -n 40 "$folder.log"
        echo "FAIL: the build in $folder did not finish"
        exit 1
    fi
}

first=$work/first/bazelot
second=$work/a-second-folder/src
mkdir -p "$(dirname "$first")" "$(dirname "$second")"
start=$SECONDS
build "$first" 0022 UTC
build "$second" 0002 Pacific/Chatham
echo "Built twice in $((SECONDS - start)) s."

artefacts=$(cd "$first" && ls build/default/app/prjBazelot build/default/app/kvarzel build/default/*.deb \
    build/windows/app/*.exe build/windows/Bazelot-*-win64.zip build/windows/Bazelot-*-win64.exe)
identical=0
differing=0
while IFS= read -r artefact; do
    if cmp -s "$first/$artefact" "$second/$artefact"; then
        echo "identical: $artefact"
        identical=$((identical + 1))
    else
        echo "DIFFERS: $artefact"
        differing=$((differing + 1))
        if command -v diffoscope >/dev/null; then
            diffoscope --text - "$first/$artefact" "$second/$artefact" | head -n 200 || true
        fi
    fi
done <<<"$artefacts"

lintian_status=0
if command -v lintian >/dev/null; then
    report=$(lintian --fail-on none "$second"/build/default/*.deb 2>&1)
    if grep -qE '^[EW]: ' <<<"$report"; then
        echo "FAIL: lintian on the package built under umask 0002:"
        echo "$report"
        lintian_status=1
    fi
fi

echo "Reproducible artefacts: $identical of $((identical + differing)) identical."
[ "$differing" -eq 0 ] && [ "$identical" -eq 7 ] && [ "$lintian_status" -eq 0 ]
