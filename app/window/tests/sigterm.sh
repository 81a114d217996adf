#!/bin/bash
# SIGTERM (as a logout sends it) ends vellum842 as a quit does: the file names are in the
# settings file afterwards. The program opens a FILE named on its command line and gets SIGTERM
# once its handler is in place; its home and configuration folders are temporary.
# Usage: sigterm.sh PROGRAM
set -u
program=$1
home=$(mktemp -d)
trap 'kill -KILL "$pid" 2>/dev/null; rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
printf 'A file without an extension.\n' >"$home/README"

env -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
    QT_QPA_PLATFORM=offscreen "$program" "$home/README" >"$home/log" 2>&1 &
pid=$!

# The handler is in place once the kernel lists SIGTERM (15, bit 14) among the caught signals.
for _ in $(seq 200); do
    caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
    [ -n "$caught" ] && (((0x$caught >> 14) & 1)) && break
    sleep 0.05
done
kill -TERM "$pid"
for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program did not end after SIGTERM"
    exit 1
fi
wait "$pid"
status=$?
settings="$home/config/Brindlecote/vellum.usr"
expected=$(printf '"%s"\r\n"%s"\r' "$home/README" "$home/README.htm")
if [ "$status" != 0 ] || [ "$(head -n 2 "$settings" 2>/dev/null)" != "$expected" ]; then
    echo "FAIL: status $status; settings file:"
    cat -A "$settings"
    cat "$home/log"
    exit 1
fi
echo "SIGTERM: the file names were saved"
