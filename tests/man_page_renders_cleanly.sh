#!/usr/bin/env bash
# man_page_renders_cleanly.sh PAGE SOURCE_DIR
# The installed manual page renders without a single warning on ASCII and
# UTF-8 terminals of several widths, and it documents every environment
# variable the program itself reads.
set -u
page="$1"
src="$2"
failed=0
for locale in C C.UTF-8; do
    for width in 60 80 200; do
        warnings=$(LC_ALL=$locale MANWIDTH=$width man --warnings -l "$page" 2>&1 >/dev/null)
        if [ -n "$warnings" ]; then
            echo "LC_ALL=$locale MANWIDTH=$width:"
            echo "$warnings"
            failed=1
        fi
    done
done

# The environment variables read by the program's own code (tests, benchmarks
# and the artwork generator are not the program).
sources=$(cd "$src" && git ls-files '*.cpp' '*.h' 2>/dev/null ||
          find . -name '*.cpp' -o -name '*.h')
variables=$(cd "$src" && grep -v -E '^(\./)?(tests|bench|tools|build[^/]*)/' <<<"$sources" |
            xargs grep -hoE '(qEnvironmentVariable[A-Za-z]*|qgetenv|getenv)\("[A-Z_0-9]+"' |
            sed -E 's/.*\("//; s/"$//' | sort -u)
environment=$(zcat -f "$page" | sed -n '/^\.SH ENVIRONMENT/,/^\.SH /p')
for v in $variables; do
    grep -q "$v" <<<"$environment" || { echo "the ENVIRONMENT section does not mention $v"; failed=1; }
done
echo "variables the program reads: ${variables:-none}"
exit "$failed"
