#!/usr/bin/env bash
# Start-up benchmark of the Pagewright program: from process start to the main window shown,
# and the peak resident memory, over several runs. Budget: median <= 300 ms, peak RSS <= 100 MB.
#
#   bash bench/app-startup.sh [runs]      (default 11; needs a release build in build/)
#
# Runs offscreen (QT_QPA_PLATFORM=offscreen) unless a display is set, with a throw-away
# configuration folder so that the user's settings are not read or written.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
probe=build/bin/vellum842-startprobe
[ -x "$probe" ] || { echo "Build first: cmake -S . -B build && cmake --build build -j2" >&2; exit 1; }
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"

times=()
rss=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    shown=$(/usr/bin/time -f "%M" -o "$config/rss" "$probe" 2>/dev/null | tail -1)
    times+=($(( (shown - start) / 1000000 )))
    rss+=($(tail -1 "$config/rss"))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
peak=$(printf '%s\n' "${rss[@]}" | sort -n | tail -1)
echo "runs: $runs (platform: ${QT_QPA_PLATFORM:-display})"
echo "start to window shown, ms: ${times[*]}"
echo "median: ${median} ms (budget 300 ms)"
echo "peak RSS: $(( peak / 1024 )) MB (${peak} KB; budget 100 MB)"
status=0
[ "$median" -le 300 ] || { echo "FAIL: median start-up above 300 ms"; status=1; }
[ "$peak" -le $((100 * 1024)) ] || { echo "FAIL: peak RSS above 100 MB"; status=1; }
exit $status
