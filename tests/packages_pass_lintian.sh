#!/usr/bin/env bash
# packages_pass_lintian.sh BUILD_DIR
# Builds the program's package and its dbgsym package and runs lintian on
# both: no error and no warning may remain (overrides shipped in the package
# count as answered).
set -u
build="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
    { cat "$scratch/cpack.log"; echo "cpack failed"; exit 1; }
packages=("$scratch"/out/ipponmichi_*.deb "$scratch"/out/ipponmichi-dbgsym_*.ddeb)
for p in "${packages[@]}"; do
    [ -f "$p" ] || { echo "missing package: $p"; exit 1; }
done
# Lintian warns when run as root, as CI containers do; that is not a finding.
lintian --fail-on error,warning --display-info "${packages[@]}" 2> >(grep -v 'running with root privileges' >&2)
rc=$?
echo "lintian exit code $rc"
exit "$rc"
