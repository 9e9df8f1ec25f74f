#!/bin/sh
# SPDX-FileCopyrightText: 2026 ZEP contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The .deb names the project's version, depends on everything the program needs at run time
# (also what it only loads: plugins, translations, fonts, speech data), puts its files in the
# standard places, has no scripts that could touch the users' folders, and lintian finds no error.
# usage: DebianPackageTest.sh <build folder> <empty work folder> <project version>
set -eu
build=$1 work=$2 version=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack"; }
deb=$work/zep100_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb: $(ls "$work")"

depends=$(dpkg-deb --field "$deb" Depends)
for needed in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 \
    libcups2 libespeak-ng1 libqt6multimedia6 libsodium23 \
    qt6-qpa-plugins qt6-translations-l10n fonts-liberation2 fonts-dejavu-core espeak-ng-data; do
    echo "$depends" | tr ',' '\n' | grep -q "^ *$needed\( \|$\)" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb --field "$deb" Section)" = education ] || fail "section is not education"

dpkg-deb --contents "$deb" >"$work/contents"
id=$(sed -n 's|.* \./usr/share/applications/\(.*\)\.desktop$|\1|p' "$work/contents")
[ -n "$id" ] || fail "no desktop entry in the package"
for path in ./usr/bin/zep100 ./usr/share/zep100/ZEP100.TXT \
    "./usr/share/metainfo/$id.metainfo.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "./usr/share/icons/hicolor/256x256/apps/$id.png" \
    ./usr/share/man/man1/zep100.1.gz \
    ./usr/share/doc/zep100/copyright ./usr/share/doc/zep100/changelog.gz \
    "./usr/lib/.*/zep100/zep100-speech.so" "./usr/lib/.*/zep100/zep100-print.so"; do
    grep -q " $path\$" "$work/contents" || fail "$path missing from the package"
done
outside=$(awk '{print $6}' "$work/contents" | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
owners=$(awk '{print $2}' "$work/contents" | sort -u)
[ "$owners" = root/root ] || fail "files not owned by root: $owners"

scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -v -e '^\./$' -e '^\./control$' -e '^\./md5sums$' \
    -e '^\./shlibs$' -e '^\./triggers$' || true)
[ -z "$scripts" ] || fail "maintainer scripts in the package: $scripts"

lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 \
    || { cat "$work/lintian.log"; fail "lintian reports errors"; }
cat "$work/lintian.log"
echo "$(basename "$deb") depends on: $depends"
