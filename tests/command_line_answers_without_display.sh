#!/usr/bin/env bash
# command_line_answers_without_display.sh PROGRAM
# With no display at all, --help and --version print and exit 0, a bad
# argument gets one line on standard error and exit code 2, and a start with
# no window system to reach (none named, an X server or a Wayland compositor
# that is not there, a platform that does not exist) says in one line what it
# tried, with exit code 1, instead of aborting in Qt. No window is opened.
set -u
program="$1"
out=$(mktemp) err=$(mktemp) runtime=$(mktemp -d)
trap 'rm -rf "$out" "$err" "$runtime"' EXIT
failed=0
# An X display number with no server behind it, even with other X servers
# running on this machine.
dead=99
while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do dead=$((dead + 1)); done
run() { # expected-code [VARIABLE=value...] args...
    local expected="$1"; shift
    local variables=()
    while [[ "${1:-}" =~ ^[A-Z_]+= ]]; do variables+=("$1"); shift; done
    # An empty runtime directory, so no Wayland compositor is found by default.
    env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        XDG_RUNTIME_DIR="$runtime" "${variables[@]}" \
        timeout 10 "$program" "$@" >"$out" 2>"$err"
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
one_line_naming() { # what... : the last run wrote one line naming each
    [ "$(wc -l <"$err")" -eq 1 ] || { echo "FAIL: $(wc -l <"$err") lines: $(cat "$err")"; failed=1; }
    for what in "$@"; do
        grep -qF -- "$what" "$err" || { echo "FAIL: '$what' not named in: $(cat "$err")"; failed=1; }
    done
}
run 0 --help-all
grep -q -- '-platform <name>' "$out" || { echo "FAIL: --help-all does not list Qt's options"; failed=1; }
grep -q -- '--version' "$out" || { echo "FAIL: --help-all leaves out the program's options"; failed=1; }
run 0 --help
grep -q -- '-platform <name>' "$out" && { echo "FAIL: --help lists Qt's options"; failed=1; }
grep -q -- '--help-all lists them' "$out" || { echo "FAIL: --help does not point to --help-all"; failed=1; }

run 1
one_line_naming 'neither DISPLAY nor WAYLAND_DISPLAY is set' 'xvfb-run'
run 1 DISPLAY=":$dead"
one_line_naming "DISPLAY=:$dead" 'xvfb-run'
run 1 WAYLAND_DISPLAY=nowhere-0 DISPLAY=":$dead"
one_line_naming 'WAYLAND_DISPLAY=nowhere-0' "DISPLAY=:$dead"
run 1 QT_QPA_PLATFORM=wayland
one_line_naming 'no Wayland compositor' 'WAYLAND_DISPLAY is not set'
run 1 -display ":$dead"
one_line_naming "-display :$dead"
for named in "-platform nonesuch" "QT_QPA_PLATFORM=nonesuch:option=1"; do
    # shellcheck disable=SC2086 # the words are meant to split
    run 1 $named
    one_line_naming "'nonesuch'" 'offscreen' "${named%%[ =]*}"
done
run 1 QT_QPA_PLATFORM="nonesuch;xcb" DISPLAY=":$dead"
one_line_naming "'nonesuch'" "DISPLAY=:$dead"
[ "$failed" -eq 0 ] && echo "all answers as expected"
exit "$failed"
