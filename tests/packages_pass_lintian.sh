#!/usr/bin/env bash
# packages_pass_lintian.sh PACKAGE_DIR
# Runs lintian on the program's package and its dbgsym package (made by
# build_debian_packages.sh): no error and no warning may remain (overrides
# shipped in the package count as answered).
set -u
out="$1"
packages=("$out"/ipponmichi_*.deb "$out"/ipponmichi-dbgsym_*.ddeb)
for p in "${packages[@]}"; do
    [ -f "$p" ] || { echo "missing package: $p"; exit 1; }
done
# Lintian warns when run as root, as CI containers do; that is not a finding.
lintian --fail-on error,warning --display-info "${packages[@]}" 2> >(grep -v 'running with root privileges' >&2)
rc=$?
echo "lintian exit code $rc"
exit "$rc"
