#!/usr/bin/env bash
# Makes the Debian package of the build in a temporary folder and checks what Debian asks of it:
# the library by its SONAME in the multiarch folder, pkg-config's paths, the copyright file and
# changelog, no maintainer scripts (so that a removed package leaves nothing behind), and no
# error from lintian. When lintian is not installed, the rest is checked and the test is skipped
# (status 77) with a message.
#   package.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" > "$work/cpack.log" || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(echo "$work"/*.deb)
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -e "$deb" "$work/control"

lib=$work/root/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)
[ "$(readlink "$lib/libvellum62.so")" = libvellum62.so.1 ] || fail "no development link libvellum62.so -> libvellum62.so.1"
soname=$(objdump -p "$lib/libvellum62.so.1" | awk '$1 == "SONAME" { print $2 }')
[ "$soname" = libvellum62.so.1 ] || fail "the library's SONAME is '$soname'"
# The system's folders are left out: nothing for the compiler, only the library for the linker.
[ -z "$(PKG_CONFIG_PATH=$lib/pkgconfig pkg-config --cflags vellum62)" ] || fail "pkg-config --cflags is not empty"
[ "$(PKG_CONFIG_PATH=$lib/pkgconfig pkg-config --libs vellum62)" = "-lvellum62 " ] || fail "pkg-config --libs"

doc=$work/root/usr/share/doc/pagewright
head -1 "$doc/copyright" | grep "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" > /dev/null ||
    fail "no machine-readable copyright file"
gunzip -c "$doc/changelog.gz" > "$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$(dpkg-deb -f "$deb" Version)" ] ||
    fail "the changelog's latest entry is not the package's version"
for script in preinst postinst prerm postrm; do
    [ ! -e "$work/control/$script" ] || fail "the package has a $script"
done

if ! command -v lintian > /dev/null; then
    echo "lintian is not installed (package lintian): the package was checked without it"
    exit 77
fi
lintian --fail-on error "$deb" 2>&1 | grep -v "running with root privileges" | tee "$work/lintian.txt" || true
! grep "^E:" "$work/lintian.txt" || fail "lintian reports errors"
echo "package checked: $(basename "$deb")"
