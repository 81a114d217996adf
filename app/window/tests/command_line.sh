#!/bin/bash
# vellum842 --help and --version: printed to standard output, exit status 0, with no display at
# all and no Qt platform asked for; a wrong command line fails with status 2. The manual page
# documents the options and FILE.
# Usage: command_line.sh PROGRAM MANUAL_PAGE
set -u
program=$1 manual=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs the program without a display; sets out, err and status.
run() {
    local files
    files=$(mktemp -d)
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" "$@" \
        >"$files/out" 2>"$files/err" </dev/null
    status=$?
    out=$(cat "$files/out") err=$(cat "$files/err")
    rm -rf "$files"
}

run --version
[ "$status" = 0 ] || fail "--version: status $status ($err)"
[ "$out" = "vellum842 8.42" ] || fail "--version printed: $out"
run -v
[ "$out" = "vellum842 8.42" ] || fail "-v printed: $out"

for help in --help -h; do
    run "$help"
    [ "$status" = 0 ] || fail "$help: status $status ($err)"
    for part in "Usage: vellum842 [FILE]" "-h, --help" "-v, --version" ".tbl" ".csv" ".py"; do
        grep -qF -- "$part" <<<"$out" || fail "$help does not list: $part"
    done
    [ -z "$err" ] || fail "$help wrote to standard error: $err"
done

run --no-such-option
[ "$status" = 2 ] || fail "an unknown option: status $status"
grep -qF -- "no-such-option" <<<"$err" || fail "an unknown option is not named: $err"
run a.txt b.txt
[ "$status" = 2 ] || fail "two files: status $status"

# Without --help the program still needs a display, and says so.
run
[ "$status" = 1 ] || fail "no display: status $status"
grep -qF "no display found" <<<"$err" || fail "no display: $err"

# The manual page (roff escapes a hyphen as \-).
for part in 'B vellum842' '.RI [ FILE ]' '\-\-help' '\-\-version' '.tbl' '.csv' '.tsv' 'SIGTERM'; do
    grep -qF -- "$part" "$manual" || fail "the manual page lacks: $part"
done

[ "$failures" = 0 ] && echo "command line: all checks passed"
exit $((failures > 0))
