#!/usr/bin/env bash
# package_installs_and_starts.sh BUILD_DIR STARTS_AND_QUITS_SCRIPT
# Builds the .deb, checks its dependencies, unpacks it into a scratch root and
# starts the installed program there.
set -eu
build="$1"
starts="$2"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case "$depends" in *libqt6widgets6*) ;; *) echo "no Qt dependency found"; exit 1 ;; esac
case "$depends" in *fonts-ipafont-gothic*) ;; *) echo "no font dependency"; exit 1 ;; esac
dpkg-deb -x "$deb" "$scratch/root"
for f in usr/bin/ipponmichi usr/share/applications/org.example.ipponmichi.desktop \
         usr/share/metainfo/org.example.ipponmichi.metainfo.xml \
         usr/share/icons/hicolor/32x32/apps/org.example.ipponmichi.png; do
    [ -e "$scratch/root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
"$starts" "$scratch/root/usr/bin/ipponmichi"
