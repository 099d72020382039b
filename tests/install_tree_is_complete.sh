#!/usr/bin/env bash
# install_tree_is_complete.sh BUILD_DIR CHECK_TREE_SCRIPT
# Installs the build into a scratch prefix with cmake --install and checks the
# tree it made.
set -u
build="$1"
check="$2"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
umask 022
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null || { echo "cmake --install failed"; exit 1; }
"$check" "$scratch/prefix"
