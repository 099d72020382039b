#!/usr/bin/env bash
# command_line_answers_without_display.sh PROGRAM
# With no display at all, --help and --version print and exit 0, a bad
# argument gets one line on standard error and exit code 2, and a plain start
# says why it cannot open a window instead of aborting. No window is opened.
set -u
program="$1"
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failed=0
run() { # expected-code args...
    local expected="$1"; shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$program" "$@" >"$out" 2>"$err"
    local rc=$?
    if [ "$rc" -ne "$expected" ]; then
        echo "FAIL: '$*' exited $rc, expected $expected"; cat "$err"; failed=1
    fi
}
run 0 --help
grep -q '^Usage: ipponmichi' "$out" || { echo "FAIL: --help printed no usage"; failed=1; }
[ -s "$err" ] && { echo "FAIL: --help wrote to stderr"; failed=1; }
run 0 --version
grep -qx 'ipponmichi [0-9.]*' "$out" || { echo "FAIL: --version printed '$(cat "$out")'"; failed=1; }
for bad in --bogus stray -platform; do
    run 2 "$bad"
    [ "$(wc -l <"$err")" -eq 1 ] || { echo "FAIL: '$bad' wrote $(wc -l <"$err") lines"; failed=1; }
    grep -q -- "--help" "$err" || { echo "FAIL: '$bad' gave no hint to --help"; failed=1; }
    [ -s "$out" ] && { echo "FAIL: '$bad' wrote to stdout"; failed=1; }
done
run 1
grep -q 'DISPLAY' "$err" || { echo "FAIL: a start without a display did not say why"; failed=1; }
[ "$failed" -eq 0 ] && echo "all answers as expected"
exit "$failed"
