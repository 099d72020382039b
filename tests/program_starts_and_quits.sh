#!/usr/bin/env bash
# Starts the program (offscreen unless QT_QPA_PLATFORM names another
# platform), gives it time to show its title screen, asks it
# to end as a session logout would, and expects a clean exit with code 0.
set -u
program="$1"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$program" &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    echo "the program ended by itself with code $?"
    exit 1
fi
kill -TERM "$pid"
wait "$pid"
rc=$?
echo "exit code $rc"
[ "$rc" -eq 0 ]
