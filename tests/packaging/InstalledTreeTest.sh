#!/bin/sh
# SPDX-FileCopyrightText: 2026 ZEP contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed tree is what a desktop expects: a menu entry and metadata that the validators
# accept, under one application id, whose command, icons, version and starter library are there.
# usage: InstalledTreeTest.sh <installed prefix> <project version> <source starter library>
set -eu
prefix=$1 version=$2 starter=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$prefix"

set -- share/applications/*.desktop
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one desktop entry, found: $*"
desktop=$1
id=$(basename "$desktop" .desktop)
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"

metainfo=share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no metadata $metainfo"
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $report"
if echo "$report" | grep -E '^[EW]: '; then fail "appstreamcli reports errors or warnings"; fi
grep -q "<id>$id</id>" "$metainfo" || fail "metadata id differs from $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "metadata does not launch $id.desktop"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$metainfo" || fail "no release $version"
grep -q '<content_rating type="oars-1.1"/>' "$metainfo" || fail "no content rating"

program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "bin/$program" ] || fail "Exec names $program, not installed in bin/"
grep -q "<binary>$program</binary>" "$metainfo" || fail "metadata does not provide $program"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fail "Icon is not $id"
svg=share/icons/hicolor/scalable/apps/$id.svg
png=share/icons/hicolor/256x256/apps/$id.png
grep -q '<svg' "$svg" || fail "no scalable icon $svg"
file "$png" | grep -q 'PNG image data, 256 x 256' || fail "no 256 px icon: $(file "$png")"

# The libraries for speech and the print system come with modules loaded when first
# needed, not with the program, so that they cost nothing at every start.
linked=$(readelf -d "bin/$program" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p')
if echo "$linked" | grep -E 'espeak|cups|Multimedia'; then fail "the program links them itself"; fi
gzip -t "share/man/man1/$program.1.gz" || fail "no manual page"
zcat "share/man/man1/$program.1.gz" | grep -q "^\.TH ZEP100 1 .*$version" || fail "manual page without version"
cmp "share/$program/ZEP100.TXT" "$starter" || fail "starter library differs"
echo "installed tree of $id $version is complete"
