#!/usr/bin/env bash
# check_installed_tree.sh PREFIX
# Checks an installed tree (a `cmake --install` prefix, or a package unpacked
# with its prefix /usr): every file in its standard place with its proper
# mode, the program in games/ where the desktop entry's command finds it, and
# the compressed documents made reproducibly (gzip -n: no name, no time).
set -u
prefix="$1"
app=org.example.ipponmichi
failed=0
fail() { echo "$prefix: $*"; failed=1; }

mode() { stat -c %a "$1"; }
expect() { [ -f "$1" ] || fail "missing: ${1#$prefix/}"; }
expect_gzip_n() { # FILE
    [ -e "$1" ] || return
    gzip -t "$1" 2>/dev/null || { fail "${1#$prefix/} is not gzip data"; return; }
    # Header bytes 3..7: the flags (FNAME is 0x08) and the modification time.
    header=$(od -An -tx1 -j3 --read-bytes=5 "$1" | tr -d ' \n')
    [ "$header" = 0000000000 ] || fail "${1#$prefix/} keeps a name or a time stamp (header $header)"
}

expect "$prefix/games/ipponmichi"
[ -e "$prefix/bin/ipponmichi" ] && fail "the program is in bin/ as well as in games/"
expect "$prefix/share/man/man6/ipponmichi.6.gz"
expect_gzip_n "$prefix/share/man/man6/ipponmichi.6.gz"
if [ -e "$prefix/share/man/man6/ipponmichi.6.gz" ]; then
    zcat "$prefix/share/man/man6/ipponmichi.6.gz" | grep -q '^\.TH IPPONMICHI 6 ' ||
        fail "the manual page has no .TH IPPONMICHI 6 line"
fi
expect "$prefix/share/doc/ipponmichi/copyright"
expect "$prefix/share/doc/ipponmichi/changelog.Debian.gz"
expect_gzip_n "$prefix/share/doc/ipponmichi/changelog.Debian.gz"
expect "$prefix/share/applications/$app.desktop"
expect "$prefix/share/metainfo/$app.metainfo.xml"
for size in 16 32 48 64 128 256; do
    expect "$prefix/share/icons/hicolor/${size}x$size/apps/$app.png"
done

# The desktop entry starts the program by name; it must be the one in games/.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$app.desktop" 2>/dev/null)
command=${exec_line%% *}
[ -n "$command" ] && [ -x "$prefix/games/$command" ] ||
    fail "the desktop entry's command '$command' is not in games/"

# The program is 0755, every other file 0644 and every directory 0755.
while IFS= read -r f; do
    want=644
    [ "$f" = "$prefix/games/ipponmichi" ] && want=755
    [ "$(mode "$f")" = $want ] || fail "${f#$prefix/} has mode $(mode "$f"), not $want"
done < <(find "$prefix" -type f)
while IFS= read -r d; do
    [ "$(mode "$d")" = 755 ] || fail "directory ${d#$prefix/} has mode $(mode "$d"), not 755"
done < <(find "$prefix" -mindepth 1 -type d)

[ "$failed" -eq 0 ] && echo "$prefix: the installed tree is complete"
exit "$failed"
