#!/bin/sh
# SPDX-FileCopyrightText: 2026 ZEP contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A private X display for the tests that look at the real program as a desktop shows it.
#   RealDisplay.sh start  FOLDER                   starts Xvfb on a free display, notes it in FOLDER
#   RealDisplay.sh stop   FOLDER                   stops it
#   RealDisplay.sh titles FOLDER PROGRAM LIBRARY   the titles are exactly the program's own
set -eu
command=$1
folder=$2

fail() {
    [ -z "${program_pid:-}" ] || kill "$program_pid" 2>/dev/null || true
    echo "FAIL: $*" >&2
    exit 1
}

start_display() {
    rm -rf "$folder" && mkdir -p "$folder"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$folder/display" \
        >"$folder/xvfb.log" 2>&1 &
    echo $! >"$folder/xvfb.pid"
    for _ in $(seq 100); do
        if [ -s "$folder/display" ] \
            && DISPLAY=":$(cat "$folder/display")" xdotool getdisplaygeometry >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    cat "$folder/xvfb.log" >&2
    fail "Xvfb did not answer"
}

stop_display() {
    [ -f "$folder/xvfb.pid" ] || return 0
    kill "$(cat "$folder/xvfb.pid")" 2>/dev/null || true
    rm -f "$folder/xvfb.pid"
}

# The title of the program's window whose title begins with $1, as the desktop reads it.
title_of() {
    id=$(timeout 20 xdotool search --sync --pid "$program_pid" --name "^$1" | head -n 1) \
        || fail "no window titled '$1'"
    xdotool getwindowname "$id"
}

# Starts the program in a folder of its own, with library $1 there or none.
start_program() {
    work=$(mktemp -d "$folder/run.XXXXXX")
    [ -z "$1" ] || cp "$1" "$work/ZEP100.TXT"
    (cd "$work" && exec "$program") >"$work/program.log" 2>&1 &
    program_pid=$!
}

stop_program() {
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
}

expect_title() {
    shown=$(title_of "$1")
    [ "$shown" = "$1" ] || fail "title '$shown' instead of '$1'"
    echo "ok: '$shown'"
}

case $command in
start) start_display ;;
stop) stop_display ;;
titles)
    program=$3
    [ -s "$folder/display" ] || fail "no display started"
    export DISPLAY=":$(cat "$folder/display")"
    start_program "" # an empty folder: the box about the missing library comes first
    expect_title "ZEP-100er-Feld"
    stop_program
    start_program "$4"
    expect_title "Z E P - H u n d e r t e r f e l d"
    stop_program
    ;;
*) fail "unknown command $command" ;;
esac
