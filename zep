#!/bin/sh
# SPDX-FileCopyrightText: 2026 ZEP contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# ./zep run   installs what is missing, builds and starts the program in practice/
# ./zep test  the same set-up, then every test through CTest
set -eu

cd "$(dirname "$0")"
ROOT=$(pwd)
BUILD="$ROOT/build"
PACKAGES="cmake g++ make qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation2
libgl-dev googletest libgtest-dev xvfb xdotool poppler-utils clang libclang-rt-14-dev"

install_missing() {
    missing=""
    for package in $PACKAGES; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
            || missing="$missing $package"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
    $SUDO apt-get update -q
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
}

build() {
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD" --parallel "$(nproc)"
}

case "${1:-}" in
run)
    install_missing
    build
    mkdir -p "$ROOT/practice"
    # The starter library goes in once; a library the user already keeps stays.
    [ -e "$ROOT/practice/ZEP100.TXT" ] || cp "$ROOT/data/ZEP100.TXT" "$ROOT/practice/ZEP100.TXT"
    cd "$ROOT/practice"
    exec "$BUILD/zep100"
    ;;
test)
    install_missing
    build
    ctest --test-dir "$BUILD" --output-on-failure --parallel "$(nproc)"
    ;;
*)
    echo "usage: ./zep run | ./zep test" >&2
    exit 2
    ;;
esac
