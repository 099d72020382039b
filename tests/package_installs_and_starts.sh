#!/usr/bin/env bash
# package_installs_and_starts.sh BUILD_DIR PACKAGE_DIR STARTS_AND_QUITS_SCRIPT CHECK_TREE_SCRIPT
# Checks the packages' control data (made by build_debian_packages.sh),
# unpacks them into a scratch root, checks the tree there and starts the
# installed program.
set -u
build="$1"
out="$2"
starts="$3"
check="$4"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "$*"; failed=1; }

deb=$(ls "$out"/ipponmichi_*.deb)
dbgsym=$(ls "$out"/ipponmichi-dbgsym_*.ddeb 2>/dev/null)
[ -n "$dbgsym" ] || { echo "no dbgsym package was made:"; ls "$out"; exit 1; }

field() { dpkg-deb -f "$1" "$2"; }
version=$(field "$deb" Version)
depends=$(field "$deb" Depends)
echo "Version: $version"
echo "Depends: $depends"
# Both fonts are needed, the first choice and its fallback: no alternative.
for d in libqt6widgets6 fonts-monapo fonts-ipafont-gothic; do
    grep -Eq "(^|, )$d( \(|,|$)" <<<"$depends" || fail "Depends lacks $d"
done
grep -q '|' <<<"$depends" && fail "Depends offers alternatives"
[ "$(field "$deb" Section)" = games ] || fail "Section is not games"
[ "$(field "$deb" Priority)" = optional ] || fail "Priority is not optional"
[ "$(field "$deb" Description | wc -l)" -ge 3 ] || fail "the description has no extended text"

[ "$(field "$dbgsym" Package)" = ipponmichi-dbgsym ] || fail "the dbgsym package is misnamed"
[ "$(field "$dbgsym" Depends)" = "ipponmichi (= $version)" ] ||
    fail "the dbgsym package depends on '$(field "$dbgsym" Depends)'"

root="$scratch/root"
for p in "$deb" "$dbgsym"; do
    dpkg-deb -x "$p" "$root"
    # Every file's checksum is listed by its path inside the package.
    control="$scratch/control-$(basename "$p")"
    dpkg-deb -e "$p" "$control"
    (cd "$root" && md5sum --check --quiet "$control/md5sums") || fail "$(basename "$p"): md5sums do not match"
done

# The changelog names the package's version and maintainer.
changelog=$(zcat "$root/usr/share/doc/ipponmichi/changelog.Debian.gz")
head -1 <<<"$changelog" | grep -qF "ipponmichi ($version) " || fail "the changelog's newest entry is not $version"
grep -qF -- " -- $(field "$deb" Maintainer)  " <<<"$changelog" || fail "the changelog's maintainer is not the package's"

# The program is stripped; its debug information is in the dbgsym package
# under its build id.
program="$root/usr/games/ipponmichi"
readelf -S "$program" | grep -q '\.debug_info' && fail "the program is not stripped"
build_id=$(readelf -n "$program" | sed -n 's/.*Build ID: //p')
debug="$root/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug"
if [ -f "$debug" ]; then
    if readelf -S "$debug" 2>/dev/null | grep -q '\.debug_info'; then
        echo "the dbgsym package holds the program's debug information" \
            "(build type $(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt"))"
    else
        fail "the .debug file has no debug information (every build type compiles with -g: cmake/DebugInfo.cmake)"
    fi
else
    fail "no debug file for build id '$build_id'"
fi
[ "$(readlink "$root/usr/share/doc/ipponmichi-dbgsym")" = ipponmichi ] ||
    fail "the dbgsym package's documentation does not point to the program's"
rm -r "$root/usr/lib/debug" "$root/usr/share/doc/ipponmichi-dbgsym"
rm -r "$root/usr/share/lintian" # package-only, checked by lintian

"$check" "$root/usr" || failed=1
[ "$failed" -eq 0 ] || exit 1
"$starts" "$program"
