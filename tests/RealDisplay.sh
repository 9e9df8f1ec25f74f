#!/bin/sh
# SPDX-FileCopyrightText: 2026 ZEP contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A private X display with a window manager, for the tests that look at the real program
# as a desktop shows it and drive it with real key and mouse events.
#   RealDisplay.sh start  FOLDER                   starts Xvfb and openbox, notes the display in FOLDER
#   RealDisplay.sh stop   FOLDER                   stops them
#   RealDisplay.sh titles FOLDER PROGRAM LIBRARY   the titles are exactly the program's own
#   RealDisplay.sh enter  FOLDER COUNTING_PROGRAM  a held Enter is one answer, idle and busy
#   RealDisplay.sh return FOLDER COUNTING_PROGRAM  the press that brings the main window back
#                                                  from the information window is no answer
#   RealDisplay.sh boxes  FOLDER COUNTING_PROGRAM  one Enter in the name box takes the typed
#                                                  name or the suggestion chosen with an arrow;
#                                                  the praise for a pattern solved by a held
#                                                  Enter stays until Enter is pressed afresh,
#                                                  idle and busy
#   RealDisplay.sh run    FOLDER PROGRAM [ARG...]  runs a test program on the display
set -eu
command=$1
folder=$2

# Each case runs this often without and this often with every core kept busy.
runs=10

fail() {
    [ -z "${program_pid:-}" ] || kill "$program_pid" 2>/dev/null || true
    stop_load
    echo "FAIL: $*" >&2
    [ -z "${work:-}" ] || tail -n 5 "$work/program.out" "$work/program.log" >&2
    exit 1
}

# -noreset: the server would start over when its first client (the check below) leaves,
# refusing the window manager meanwhile.
start_display() {
    rm -rf "$folder" && mkdir -p "$folder/home"
    Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 3>"$folder/display" \
        >"$folder/xvfb.log" 2>&1 &
    echo $! >"$folder/xvfb.pid"
    for _ in $(seq 100); do
        if [ -s "$folder/display" ] \
            && DISPLAY=":$(cat "$folder/display")" xdotool getdisplaygeometry >/dev/null 2>&1; then
            start_window_manager
            return 0
        fi
        sleep 0.1
    done
    cat "$folder/xvfb.log" >&2
    fail "Xvfb did not answer"
}

# openbox with its own settings: clicking a window brings it forward and gives it the focus.
start_window_manager() {
    home="$folder/home"
    DISPLAY=":$(cat "$folder/display")" HOME="$home" XDG_CONFIG_HOME="$home/config" \
        XDG_CACHE_HOME="$home/cache" XDG_DATA_HOME="$home/data" \
        env -u SESSION_MANAGER openbox --sm-disable >"$folder/openbox.log" 2>&1 &
    echo $! >"$folder/openbox.pid"
    for _ in $(seq 100); do
        # the desktops are set by the window manager once it runs
        DISPLAY=":$(cat "$folder/display")" xdotool get_num_desktops >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    cat "$folder/openbox.log" >&2
    fail "openbox did not start"
}

stop_display() {
    for server in openbox xvfb; do
        [ -f "$folder/$server.pid" ] || continue
        kill "$(cat "$folder/$server.pid")" 2>/dev/null || true
        rm -f "$folder/$server.pid"
    done
}

# The program's window whose title begins with $1. The search is tried again when a
# window it meets goes away meanwhile.
window_of() {
    for _ in $(seq 200); do
        id=$(xdotool search --pid "$program_pid" --name "^$1" 2>/dev/null | head -n 1) || true
        [ -z "$id" ] || { echo "$id" && return 0; }
        sleep 0.1
    done
    fail "no window titled '$1'"
}

# The title of that window, as the desktop reads it.
title_of() { xdotool getwindowname "$(window_of "$1")"; }

# Starts the program in a folder of its own, with library $1 there or none, and the
# arguments after it; its temporary files go into that folder too.
start_program() {
    work=$(mktemp -d "$folder/run.XXXXXX")
    [ -z "$1" ] || cp "$1" "$work/ZEP100.TXT"
    shift
    (cd "$work" && export TMPDIR="$work" && exec "$program" "$@") \
        >"$work/program.out" 2>"$work/program.log" &
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

# A busy loop on every core, each ending by itself after $1 seconds at the latest.
start_load() {
    load_pids=""
    for _ in $(seq "$(nproc)"); do
        timeout "$1" sh -c 'while :; do :; done' &
        load_pids="$load_pids $!"
    done
}

stop_load() {
    for pid in ${load_pids:-}; do kill "$pid" 2>/dev/null || true; done
    load_pids=""
}

# The counting program on library $1, with the arguments after it.
start_counting_program() {
    start_program "" "$@"
    window_of "Z E P" >/dev/null
    wait_active "Z E P"
    set -- $(ask)
    zahlen="$3 $4" info="$5 $6" cell="$7 $8" users="$9 ${10}"
}

# A library of one pattern, named $1, with the cells whose characters $2 gives from cell 1 on.
library() {
    file="$folder/$1.txt"
    printf '%s\r\n%s\r\n' "$1" "$(printf '%-100s' "$2" | tr ' ' 0)" >"$file"
    echo "$file"
}

# Every cell but 1, so that no exercise ends and Enter on the start value 1 is always a
# wrong answer.
all_but_one() { library "Alle außer 1" "0$(printf '1%.0s' $(seq 99))"; }

# F12 makes the program print its counters and places; it comes after all input before it.
ask() {
    before=$(wc -l <"$work/program.out")
    xdotool key F12
    for _ in $(seq 200); do
        [ "$(wc -l <"$work/program.out")" -gt "$before" ] && break
        sleep 0.05
    done
    [ "$(wc -l <"$work/program.out")" -gt "$before" ] || fail "the program did not answer F12"
    tail -n 1 "$work/program.out"
}

counters() { ask | cut -d ' ' -f 1,2; }

# The title of the open box ("-" for none) and the user's name, as "TITLE|NAME".
box_and_name() { ask | cut -d ' ' -f 11-; }

# Waits until the window manager has made the program's window whose title begins with $1
# the active one (a program before it may have had a window of that title).
wait_active() {
    for _ in $(seq 200); do
        active=$(xdotool getactivewindow 2>/dev/null) || active=none
        xdotool search --pid "$program_pid" --name "^$1" 2>/dev/null | grep -qx "$active" \
            && return 0
        sleep 0.05
    done
    fail "the window '$1' did not become active"
}

click_at() { xdotool mousemove $1 click 1; }

# Enter held 1.5 s in Zahlen mode: exactly one (wrong) answer.
held_enter() {
    wrong=0 counts=""
    for _ in $(seq "$runs"); do
        before=$(counters | cut -d ' ' -f 2)
        xdotool keydown Return sleep 1.5 keyup Return
        after=$(counters | cut -d ' ' -f 2)
        counts="$counts $((after - before))"
        [ $((after - before)) -eq 1 ] || wrong=$((wrong + 1))
    done
    echo "$1: answers per held Enter:$counts"
    [ "$wrong" -eq 0 ] || fail "$1: a held Enter was not one answer in $wrong of $runs runs"
}

# The information window, then a press on the board: the press starts the new exercise and
# is no answer; the next press is one.
return_press() {
    phase=$1 judged=0
    for _ in $(seq "$runs"); do
        click_at "$info"
        wait_active "Programm-Info"
        before=$(counters)
        click_at "$cell"
        wait_active "Z E P"
        after=$(counters)
        [ "$after" = "$before" ] || judged=$((judged + 1))
        click_at "$cell"
        set -- $(counters) $before
        [ $(($1 + $2)) -eq $(($3 + $4 + 1)) ] || fail "$phase: the press after the return did not count"
    done
    echo "$phase: the return press was judged in $judged of $runs runs"
    [ "$judged" -eq 0 ] || fail "$phase: the return press was judged in $judged of $runs runs"
}

# Enter held in Zahlen mode on the one cell of pattern "Eins": it solves the pattern, and
# the praise stays open through the key's repeats until a fresh press of Enter.
held_praise() {
    for _ in $(seq "$runs"); do
        xdotool keydown Return sleep 1.2 keyup Return
        wait_active "Eins"
        shown=$(box_and_name)
        [ "${shown%%|*}" = "Eins" ] || fail "$1: the praise was not open after the held Enter ($shown)"
        xdotool key Return
        wait_active "Z E P"
        shown=$(box_and_name)
        [ "${shown%%|*}" = "-" ] || fail "$1: a fresh Enter did not close the praise ($shown)"
    done
    echo "$1: the praise stayed through the held Enter in $runs of $runs runs"
}

# Types $1 into the new-user box, then the keys $2, then one Enter: the box closes and the
# user is $3.
one_enter_name() {
    click_at "$users"
    wait_active "Benutzer eingeben"
    xdotool type "$1"
    [ -z "$2" ] || xdotool key $2
    xdotool key Return
    shown=$(box_and_name)
    [ "$shown" = "-|$3" ] || fail "typed '$1', keys '$2', one Enter: box and user '$shown' instead of '-|$3'"
    echo "ok: typed '$1', keys '$2', one Enter: '$3'"
}

case $command in
start) start_display ;;
stop) stop_display ;;
run)
    [ -s "$folder/display" ] || fail "no display started"
    shift 2
    DISPLAY=":$(cat "$folder/display")" exec "$@"
    ;;
titles | enter | return | boxes)
    program=$3
    [ -s "$folder/display" ] || fail "no display started"
    export DISPLAY=":$(cat "$folder/display")"
    ;;
*) fail "unknown command $command" ;;
esac

case $command in
titles)
    start_program "" # an empty folder: the box about the missing library comes first
    expect_title "ZEP-100er-Feld"
    stop_program
    start_program "$4"
    expect_title "Z E P - H u n d e r t e r f e l d"
    stop_program
    ;;
enter)
    start_counting_program "$(all_but_one)"
    click_at "$zahlen"
    held_enter idle
    start_load 40
    held_enter busy
    stop_load
    stop_program
    ;;
return)
    start_counting_program "$(all_but_one)"
    return_press idle
    start_load 30
    return_press busy
    stop_load
    stop_program
    ;;
boxes)
    start_counting_program "$(library Eins 1)" --boxes
    one_enter_name Ol "" Ol
    one_enter_name Ol Down Olena
    click_at "$zahlen"
    held_praise idle
    start_load 60
    held_praise busy
    stop_load
    stop_program
    ;;
esac
