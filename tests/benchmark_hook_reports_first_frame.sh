#!/usr/bin/env bash
# With the start-up benchmark's variable set, the program reports its first
# painted frame with the one line "shown" and ends by itself with exit code 0.
set -u
program="$1"
output=$(IPPONMICHI_BENCH_QUIT_WHEN_SHOWN=1 QT_QPA_PLATFORM=offscreen timeout 30 "$program" 2>/dev/null)
rc=$?
echo "exit code $rc, output '$output'"
[ "$rc" -eq 0 ] && [ "$output" = "shown" ]
