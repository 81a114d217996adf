#!/usr/bin/env bash
# Throughput and peak memory of the four converters, as whole processes that convert one file
# and write the page to disk. Prints MiB/s and peak RSS at 1 MiB and 64 MiB of input, for the
# classic page and, on the next row, the HTML5 page of the same input (flag VELLUM62_HTML5), and
# the same for other converters of the kind when they are installed.
#
#   bash bench/run.sh            (RUNS=5 SIZE=64 PEER_RUNS=1 by default; the others are slow)
#   ENCODING=utf-8 bash bench/run.sh
#                                the same corpora in UTF-8, converted with the flag VELLUM62_UTF8
#                                and with VELLUM62_UTF8 | VELLUM62_HTML5 (through
#                                bench/convert_flags.cpp); no peers
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${RUNS:-5}
SIZE=${SIZE:-64}
PEER_RUNS=${PEER_RUNS:-1}
ENCODING=${ENCODING:-windows-1252}

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j2 --target pagewright-convert vellum62 > /dev/null
work=${BENCH_DIR:-/tmp/pagewright-bench}
mkdir -p "$work/1" "$work/$SIZE" "$work/tools"
c++ -O2 -std=c++17 -o "$work/tools/make_corpora" bench/make_corpora.cpp
c++ -O2 -std=c++17 -o "$work/tools/measure" bench/measure.cpp
c++ -O2 -std=c++17 -Iconvert/include -o "$work/tools/convert_flags" bench/convert_flags.cpp \
    -L"$PWD/build/bin" -Wl,-rpath,"$PWD/build/bin" -lvellum62
for size in 1 "$SIZE"; do
    [ -s "$work/$size/list.txt" ] || "$work/tools/make_corpora" "$work/$size" "$size"
    if [ "$ENCODING" = utf-8 ] && [ ! -s "$work/$size/utf8/list.txt" ]; then
        mkdir -p "$work/$size/utf8"
        for f in mail.txt code.c list.txt table.csv; do
            iconv -f WINDOWS-1252 -t UTF-8 "$work/$size/$f" > "$work/$size/utf8/$f"
        done
    fi
done

convert=build/bin/pagewright-convert
measure="$work/tools/measure"

row() { # name size file command...
    local name=$1 size=$2 file=$3 runs=${ROW_RUNS:-$RUNS}; shift 3
    local mib result
    mib=$(awk -v b="$(stat -c %s "$file")" 'BEGIN { printf "%.2f", b / 1048576 }')
    sync # pages written by earlier rows are not flushed while this one is measured
    result=$("$measure" "$runs" "$@") || { printf '%-28s %6s MiB  failed\n' "$name" "$mib"; return; }
    awk -v n="$name" -v m="$mib" -v r="$result" 'BEGIN {
        split(r, f, " "); printf "%-28s %6s MiB  %8.1f MiB/s  %8.1f MiB peak RSS\n", n, m, m / f[1], f[2] / 1024 }'
}

if [ "$ENCODING" = utf-8 ]; then
    echo "Pagewright converters, UTF-8 input and VELLUM62_UTF8 ($RUNS runs each, median time):"
    for size in 1 "$SIZE"; do
        d="$work/$size/utf8"
        for pair in "txt2h (text):text:mail.txt" "c2h (code):code:code.c" "datalist (list):list:list.txt" \
            "reg_tbl (table):table:table.csv"; do
            IFS=: read -r name kind file <<< "$pair"
            row "$name" "$size" "$d/$file" "$work/tools/convert_flags" "$kind" 1 "$d/$file" "$d/out.htm"
            row "$name HTML5" "$size" "$d/$file" "$work/tools/convert_flags" "$kind" 17 "$d/$file" "$d/out.htm"
        done
    done
    exit 0
fi

echo "Pagewright converters, classic and HTML5 pages ($RUNS runs each, median time):"
for size in 1 "$SIZE"; do
    d="$work/$size"
    for html5 in "" --html5; do
        row "txt2h (text)${html5:+ HTML5}" "$size" "$d/mail.txt" $convert text "$d/mail.txt" "$d/mail.htm" $html5
    done
    for html5 in "" --html5; do
        row "c2h (code)${html5:+ HTML5}" "$size" "$d/code.c" $convert code "$d/code.c" "$d/code.htm" $html5
    done
    for html5 in "" --html5; do
        row "datalist (list)${html5:+ HTML5}" "$size" "$d/list.txt" $convert list "$d/list.txt" "$d/list.htm" \
            --item-separator asterisk $html5
    done
    for html5 in "" --html5; do
        row "reg_tbl (table)${html5:+ HTML5}" "$size" "$d/table.csv" $convert table "$d/table.csv" "$d/table.htm" \
            $html5
    done
done

d="$work/$SIZE"
peers=0
ROW_RUNS=$PEER_RUNS
echo
echo "Other converters, where installed ($SIZE MiB, $PEER_RUNS run(s) each):"
if command -v txt2html > /dev/null; then row "txt2html" "$SIZE" "$d/mail.txt" txt2html --infile "$d/mail.txt" --outfile "$d/peer.htm"; peers=1; fi
if command -v pandoc > /dev/null; then row "pandoc (plain to html)" "$SIZE" "$d/mail.txt" pandoc -f plain -t html -o "$d/peer.htm" "$d/mail.txt"; peers=1; fi
if command -v enscript > /dev/null; then row "enscript --language=html" "$SIZE" "$d/code.c" enscript --quiet --language=html -o "$d/peer.htm" "$d/code.c"; peers=1; fi
if command -v highlight > /dev/null; then row "highlight" "$SIZE" "$d/code.c" highlight -i "$d/code.c" -o "$d/peer.htm"; peers=1; fi
if python3 -c "import pandas" 2> /dev/null; then
    row "pandas read_csv/to_html" "$SIZE" "$d/table.csv" python3 -c "import pandas,sys; pandas.read_csv(sys.argv[1]).to_html(sys.argv[2])" "$d/table.csv" "$d/peer.htm"; peers=1
fi
[ "$peers" = 1 ] || echo "(none installed: txt2html, pandoc, enscript, highlight, python3-pandas are Debian packages)"
