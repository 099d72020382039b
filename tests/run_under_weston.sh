#!/usr/bin/env bash
# Runs one command as a native Wayland client of a private Weston (see
# weston_session.sh) and exits with its status. DISPLAY is taken away, so a
# client that fell back to X11 would fail instead of passing unnoticed.
#
#   run_under_weston.sh PROGRAM [ARGUMENT...]
#
# WESTON_HEADLESS=1 runs it under the seatless headless backend.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=weston_session.sh
. "$here/weston_session.sh"

if [ $# -eq 0 ]; then
    echo "usage: run_under_weston.sh PROGRAM [ARGUMENT...]" >&2
    exit 2
fi
session_dir=$(mktemp -d "${TMPDIR:-/tmp}/ippon-weston.XXXXXX")
WESTON_NO_TRAP=1
finish() {
    weston_stop
    rm -rf "$session_dir"
}
trap finish EXIT

weston_start "$session_dir"
status=0
env -u DISPLAY QT_QPA_PLATFORM=wayland "$@" || status=$?
if [ "$status" -ne 0 ]; then
    echo "run_under_weston: $1 exited with $status; Weston's log follows" >&2
    tail -n 20 "$session_dir/weston.log" >&2 || true
fi
exit "$status"
