#!/usr/bin/env bash
# Installs the Debian 12 packages Pagewright needs to build, test and run, if any are missing, and
# the HTML checker the tests run on HTML5 pages (npm package vnu-jar, into tools/checker), and the
# tree-sitter grammars the library's syntax colouring is built from (into third_party/grammars).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake make g++ clang pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev
    libtree-sitter-dev
    xvfb xauth x11-utils
    dpkg-dev desktop-file-utils appstream lintian
)
# The HTML5 pages' test: Java runs the checker, npm installs it, Python drives the test. A command
# that is there already counts, whichever package brought it (a Node.js with its own npm, say).
declare -A package_of_command=([java]=default-jre-headless [node]=nodejs [npm]=npm [python3]=python3)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
for c in "${!package_of_command[@]}"; do
    command -v "$c" > /dev/null || missing+=("${package_of_command[$c]}")
done

if [ ${#missing[@]} -ne 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The checker at the version of its lock file; again only when the lock file changed. Its install
# script is not run: it would fetch a Java runtime, and the system's Java runs the checker.
checker=tools/checker
if ! cmp -s "$checker/package-lock.json" "$checker/node_modules/.installed-lock.json" ||
    [ ! -f "$checker/node_modules/vnu-jar/build/dist/vnu.jar" ]; then
    echo "Installing the HTML checker into $checker/node_modules"
    (cd "$checker" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
    cp "$checker/package-lock.json" "$checker/node_modules/.installed-lock.json"
fi

# The grammars at the versions and digests of their lock file; only those not fetched yet.
bash scripts/fetch-grammars.sh
