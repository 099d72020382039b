#!/usr/bin/env bash
# The program shows its title screen without loading any image plugin: every
# picture it decodes there is read in its named format, and the menu bar's
# overflow icon waits until it is drawn. The loader's own record of the
# libraries it opens is read, so the check needs no help from the program.
set -u
program="$1"
opened=$(IPPONMICHI_BENCH_QUIT_WHEN_SHOWN=1 QT_QPA_PLATFORM=offscreen LD_DEBUG=files \
    timeout 30 "$program" 2>&1 >/dev/null | sed -n 's/.*file=\([^ ]*\).*/\1/p' | sort -u)
if ! grep -q '/platforms/' <<<"$opened"; then
    echo "the loader's record names no platform plugin; it is not being read:"
    echo "$opened"
    exit 1
fi
if grep '/imageformats/' <<<"$opened"; then
    echo "the title screen loaded the image plugins above"
    exit 1
fi
echo "no image plugin among $(wc -l <<<"$opened") libraries"
