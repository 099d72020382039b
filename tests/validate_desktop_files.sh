#!/usr/bin/env bash
# validate_desktop_files.sh good|broken DIR
# good: both files pass their validators. broken: copies with one fault each
# must be refused.
set -u
mode="$1"
dir="$2"
desktop="$dir/org.example.ipponmichi.desktop"
metainfo="$dir/org.example.ipponmichi.metainfo.xml"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

if [ "$mode" = good ]; then
    desktop-file-validate "$desktop" || { echo "desktop entry invalid"; exit 1; }
    appstreamcli validate --no-net --pedantic "$metainfo" || { echo "metainfo invalid"; exit 1; }
    exit 0
fi

cp "$desktop" "$scratch/org.example.ipponmichi.desktop"
sed -i 's/^Type=Application$/Type=Nonsense/; s/^Categories=.*/Categories=NotACategory/' \
    "$scratch/org.example.ipponmichi.desktop"
if desktop-file-validate "$scratch/org.example.ipponmichi.desktop" >/dev/null 2>&1; then
    echo "a broken desktop entry passed validation"
    exit 1
fi
cp "$metainfo" "$scratch/org.example.ipponmichi.metainfo.xml"
sed -i 's#<id>org.example.ipponmichi</id>##; s#<summary>.*</summary>##' \
    "$scratch/org.example.ipponmichi.metainfo.xml"
if appstreamcli validate --no-net "$scratch/org.example.ipponmichi.metainfo.xml" >/dev/null 2>&1; then
    echo "a broken metainfo file passed validation"
    exit 1
fi
echo "both broken copies were refused"
