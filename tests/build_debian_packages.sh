#!/usr/bin/env bash
# build_debian_packages.sh BUILD_DIR OUT_DIR
# Builds the program's package and its dbgsym package once into OUT_DIR, for
# the tests that check them.
set -u
build="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) ||
    { cat "$out/cpack.log"; echo "cpack failed"; exit 1; }
for p in "$out"/ipponmichi_*.deb "$out"/ipponmichi-dbgsym_*.ddeb; do
    [ -f "$p" ] || { echo "missing package: $p"; ls "$out"; exit 1; }
done
