#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs what was installed there: the converter on
# a sample, a program built against the library through pkg-config, the program without a display,
# and the program up to its window (offscreen through the start-up probe, and the installed
# vellum842 itself under Xvfb when xvfb-run and xwininfo are there). The installed programs must
# find their library and data in the prefix alone, so the desktop's data folders are hidden.
#   installed.sh BUILD_DIR STARTUP_PROBE SAMPLE_TEXT
set -euo pipefail
build=$1 probe=$2 sample=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cmake --install "$build" --prefix "$root/usr" > /dev/null
bin=$root/usr/bin
export XDG_DATA_DIRS=$root/none XDG_DATA_HOME=$root/none XDG_CONFIG_HOME=$root/config

"$bin/pagewright-convert" text "$sample" "$root/letter.htm"
grep -q '<title>letter.htm</title>' "$root/letter.htm" || fail "the installed converter wrote no page"
# grep reads all of each listing (no -q): under pipefail, a writer cut off early fails the pipe.
ldd "$bin/pagewright-convert" | grep "$root/usr/.*libvellum62.so" > /dev/null || fail "converter not linked to the installed library"

PKG_CONFIG_PATH=$(dirname "$(find "$root" -name vellum62.pc)")
export PKG_CONFIG_PATH
cflags=$(pkg-config --cflags vellum62)
[ "${cflags% }" = "-I$root/usr/include" ] || fail "pkg-config --cflags gives '$cflags'"
printf '#include <vellum62.h>\nint main(int c, char** v) { return c == 3 ? c2h(v[1], v[2], 4, 4) : 9; }\n' |
    cc -x c - -o "$root/c2h" $(pkg-config --cflags --libs vellum62) -Wl,-rpath,"$(pkg-config --variable=libdir vellum62)"
"$root/c2h" "$sample" "$root/code.htm" || fail "a program built with pkg-config could not convert"

status=0
said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/vellum842" 2>&1) || status=$?
[ "$status" -eq 1 ] && [ "$(wc -l <<< "$said")" -eq 1 ] && grep -q "xvfb-run" <<< "$said" ||
    fail "without a display: status $status, said: $said"

cp "$probe" "$bin/"
QT_QPA_PLATFORM=offscreen timeout 60 "$bin/$(basename "$probe")" > /dev/null ||
    fail "the installed program did not show its window offscreen"
if command -v xvfb-run > /dev/null && command -v xwininfo > /dev/null; then
    # A server number of its own, so that test runs side by side do not race for the same display.
    env -u QT_QPA_PLATFORM xvfb-run -a -n $((100 + $$ % 400)) bash -c '
        "$1" & program=$!
        for _ in $(seq 300); do
            xwininfo -root -tree 2> /dev/null | grep "\"Pagewright 8.42\"" > /dev/null && { kill $program; exit 0; }
            # A server that did not yet take connections turns the program away: start it again.
            kill -0 $program 2> /dev/null || { "$1" & program=$!; }
            sleep 0.1
        done
        kill $program; exit 1' - "$bin/vellum842" || fail "the installed vellum842 showed no window under Xvfb"
fi
echo "installed under $root/usr: converter, library, program and window all found"
