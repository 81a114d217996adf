#!/usr/bin/env bash
# Speed and memory of syntax colouring over real code: every C header under /usr/include and every
# Python module of the system's Python, each tree converted in one process, coloured and plain.
# Prints MiB/s over the whole tree, by the clock and by the CPU time of all processes involved
# (which varies less on a shared machine), how many files were coloured, and the peak memory of
# the converting process and of the colouring processes it starts.
#
#   bash bench/colour.sh            (RUNS=3 by default; the best run of each is shown)
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${RUNS:-3}

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j2 --target vellum62 > /dev/null
work=${BENCH_DIR:-/tmp/pagewright-bench}/colour
mkdir -p "$work"
c++ -O2 -std=c++17 -Iconvert/include -o "$work/colour_files" bench/colour_files.cpp \
    -L"$PWD/build/bin" -Wl,-rpath,"$PWD/build/bin" -lvellum62

find /usr/include -name '*.h' -type f | sort > "$work/c.list"
python=$(python3 -c 'import os, sysconfig; print(os.path.realpath(sysconfig.get_paths()["stdlib"]))')
find "$python" -name '*.py' -type f | sort > "$work/python.list"

printf '%-22s %6s %8s %10s %10s %10s %12s %14s\n' "corpus" "files" "MiB" "MiB/s" "CPU MiB/s" "coloured" "peak RSS" "colouring RSS"
for corpus in c python; do
    for mode in plain coloured; do
        best=""
        for _ in $(seq "$RUNS"); do
            line=$("$work/colour_files" "$mode" "$work/out.htm" < "$work/$corpus.list")
            seconds=$(echo "$line" | cut -d' ' -f3)
            if [ -z "$best" ] || awk -v a="$seconds" -v b="$(echo "$best" | cut -d' ' -f3)" 'BEGIN { exit !(a < b) }'; then
                best=$line
            fi
        done
        read -r files bytes seconds coloured _ rss children cpu <<< "$best"
        awk -v n="$corpus $mode" -v f="$files" -v b="$bytes" -v s="$seconds" -v c="$coloured" -v r="$rss" -v k="$children" \
            -v u="$cpu" 'BEGIN { printf "%-22s %6d %8.1f %10.2f %10.2f %10d %9.1f MiB %11.1f MiB\n", n, f, b / 1048576,
                b / 1048576 / s, b / 1048576 / u, c, r / 1024, k / 1024 }'
    done
done
