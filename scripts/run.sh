#!/usr/bin/env bash
# Installs what is missing, builds Pagewright and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# The same options as scripts/test.sh, whose tests are left as they are: only the program, its
# library and the converter are built here, so neither command undoes what the other built.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPAGEWRIGHT_BUILD_APP=ON -DPAGEWRIGHT_SANITIZE=OFF \
    -DPAGEWRIGHT_FUZZ=OFF
cmake --build build -j2 --target vellum842 vellum62 pagewright-convert

if [ -x build/bin/vellum842 ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: starting Pagewright under Xvfb (a virtual display)."
        exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/vellum842
    fi
    exec build/bin/vellum842
fi

# Until the window program is built, convert the shipped sample with the command-line converter.
mkdir -p out
build/bin/pagewright-convert text samples/letter.txt out/letter.htm
echo "Wrote out/letter.htm"
