#!/usr/bin/env bash
# Renders the PNG sizes of the program's icon from its SVG (needs rsvg-convert, Debian package
# librsvg2-bin). The PNGs are kept in the repository, so building needs no SVG renderer; run this
# after changing the SVG and commit the result.
set -euo pipefail
cd "$(dirname "$0")/icons"
for size in 16 22 24 32 48 64 128 256 512; do
    rsvg-convert -w "$size" -h "$size" com.brindlecote.Pagewright.svg -o "$size.png"
done
