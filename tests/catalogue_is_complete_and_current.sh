#!/bin/sh
# usage: catalogue_is_complete_and_current.sh LUPDATE TS... -- OPTIONS... -- SOURCES...
# Fails if lupdate would change a committed catalogue (a text new in the
# sources, or one gone from them), or if a catalogue holds a text that is not
# translated yet or no longer used.
set -eu
lupdate=$1
shift
catalogues=
while [ "$1" != "--" ]; do
    catalogues="$catalogues $1"
    shift
done
shift
options=
while [ "$1" != "--" ]; do
    options="$options $1"
    shift
done
shift

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for catalogue in $catalogues; do
    name=$(basename "$catalogue")
    cp "$catalogue" "$scratch/$name"
    # shellcheck disable=SC2086 # the options are separate words
    "$lupdate" $options "$@" -ts "$scratch/$name" >"$scratch/$name.log" 2>&1 || {
        cat "$scratch/$name.log"
        exit 1
    }
    if ! cmp -s "$catalogue" "$scratch/$name"; then
        echo "$name is out of date with the sources; run the update_translations target:"
        diff -u "$catalogue" "$scratch/$name" | head -60
        status=1
    fi
    for kind in unfinished vanished obsolete; do
        count=$(grep -c "type=\"$kind\"" "$catalogue" || true)
        if [ "$count" -ne 0 ]; then
            echo "$name: $count $kind text(s):"
            grep -B3 "type=\"$kind\"" "$catalogue" | grep '<source>' | head -20
            status=1
        fi
    done
done
exit $status
