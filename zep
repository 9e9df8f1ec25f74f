#!/bin/sh
# SPDX-FileCopyrightText: 2026 ZEP contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# ./zep run   installs what is missing, builds and starts the program in practice/
# ./zep test  the same set-up, then every test through CTest, and once more built with
#             AddressSanitizer and UndefinedBehaviorSanitizer, with the fuzz targets
# ./zep package  the same set-up and build, then the Debian package build/zep100_<version>_<arch>.deb
set -eu

cd "$(dirname "$0")"
ROOT=$(pwd)
BUILD="$ROOT/build"
PACKAGES="cmake g++ make qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation2
libgl-dev googletest libgtest-dev xvfb xdotool poppler-utils clang libclang-rt-14-dev
libcups2-dev cups libsodium-dev
libespeak-ng-dev espeak-ng-data pulseaudio pulseaudio-utils
lintian desktop-file-utils appstream dpkg-dev fakeroot file
openbox at-spi2-core dbus-daemon dbus-bin libxcb-damage0-dev"
PACKAGES="$PACKAGES qt6-multimedia-dev fonts-dejavu-core"
# Only for the tests: the independent sources the number-word tables are checked against,
# and the tools that give a folder a default ACL.
TEST_PACKAGES="python3-icu python3-num2words libnumbertext-tools libnumbertext-data acl"

# Installs what is missing of the packages named in $1.
install_missing() {
    missing=""
    for package in $1; do
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

# The sanitizer build uses clang, which also brings libFuzzer.
build_sanitized() {
    CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD-sanitize" -DCMAKE_BUILD_TYPE=Debug \
        -DZEP_SANITIZE=ON -DZEP_FUZZ=ON >/dev/null
    cmake --build "$BUILD-sanitize" --parallel "$(nproc)"
}

# What git sees in the working tree (nothing outside a git checkout): the tests must leave
# it as they found it.
tree_state() {
    git -C "$ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1 || return 0
    git -C "$ROOT" status --porcelain --untracked-files=all
}

# Fails, naming them, when files have turned up or changed since the state $1.
check_tree_unchanged() {
    if [ -n "$1" ]; then new=$(tree_state | grep -vxF -e "$1" || true); else new=$(tree_state); fi
    if [ -n "$new" ]; then
        echo "The tests left files in the source tree:" >&2
        echo "$new" >&2
        exit 1
    fi
}

run_tests() {
    ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)" --timeout 600
}

case "${1:-}" in
run)
    install_missing "$PACKAGES"
    build
    mkdir -p "$ROOT/practice"
    # The starter library goes in once; a library the user already keeps stays.
    [ -e "$ROOT/practice/ZEP100.TXT" ] || cp "$ROOT/data/ZEP100.TXT" "$ROOT/practice/ZEP100.TXT"
    cd "$ROOT/practice"
    exec "$BUILD/zep100"
    ;;
test)
    tree_before=$(tree_state)
    install_missing "$PACKAGES $TEST_PACKAGES"
    build
    run_tests "$BUILD"
    build_sanitized
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_tests "$BUILD-sanitize"
    check_tree_unchanged "$tree_before"
    ;;
package)
    install_missing "$PACKAGES"
    build
    (cd "$BUILD" && cpack -G DEB)
    ;;
*)
    echo "usage: ./zep run | ./zep test | ./zep package" >&2
    exit 2
    ;;
esac
