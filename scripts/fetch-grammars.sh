#!/usr/bin/env bash
# Fetches the tree-sitter grammars listed in third_party/grammars/grammars.lock into
# third_party/grammars/NAME (src/, queries/ and LICENSE of each npm package). Every tarball must
# have the sha512 digest the lock file records, or nothing of it is kept and the script fails.
# A grammar whose folder already holds the locked version is left alone. `npm pack` only
# downloads: no package script runs, and the prebuilt binaries in the tarballs are never unpacked.
set -euo pipefail
cd "$(dirname "$0")/.."

grammars=third_party/grammars
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
while read -r name version integrity; do
    case "$name" in '' | '#'*) continue ;; esac
    dest="$grammars/$name"
    stamp="$name $version $integrity"
    if [ "$(cat "$dest/.locked" 2>/dev/null)" = "$stamp" ]; then
        continue
    fi
    echo "Fetching $name $version"
    tarball=$(cd "$work" && npm pack --ignore-scripts --silent "$name@$version")
    actual=$(python3 -c 'import base64, hashlib, sys
print("sha512-" + base64.b64encode(hashlib.sha512(open(sys.argv[1], "rb").read()).digest()).decode())' \
        "$work/$tarball")
    if [ "$actual" != "$integrity" ]; then
        echo "ERROR: $name $version: the tarball's digest is $actual, the lock file says $integrity" >&2
        status=1
        continue
    fi
    mkdir -p "$work/$name"
    tar -xzf "$work/$tarball" -C "$work/$name" --no-same-owner \
        package/src package/queries package/LICENSE
    rm -rf "$dest"
    mkdir -p "$dest"
    mv "$work/$name/package/src" "$work/$name/package/queries" "$work/$name/package/LICENSE" "$dest/"
    echo "$stamp" > "$dest/.locked"
done < "$grammars/grammars.lock"
exit $status
