#!/bin/sh
# SPDX-FileCopyrightText: 2026 ZEP contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# The menu entry's command gives a new user a practice folder with the starter library, a second
# start keeps the edited library, and a start from a terminal works where it was started. The
# installed program finds its modules: reading aloud starts with the first question.
# usage: MenuStartTest.sh <installed prefix> <empty work folder>
set -eu
prefix=$1 work=$2
fail() { echo "FAIL: $*" >&2; [ -z "${pid:-}" ] || kill "$pid" 2>/dev/null; exit 1; }
rm -rf "$work"
mkdir -p "$work/home" "$work/terminal-home" "$work/elsewhere"
command=$(sed -n 's/^Exec=//p' "$prefix"/share/applications/*.desktop)
# shellcheck disable=SC2086 # the command is split into words as the desktop does
set -- $command
program=$prefix/bin/$1
shift
library=$work/home/ZEP100/ZEP100.TXT

# Starts the program offscreen in $work/elsewhere with the given HOME and arguments.
start() {
    home=$1
    shift
    (cd "$work/elsewhere" && HOME=$home QT_QPA_PLATFORM=offscreen exec "$program" "$@") \
        2>>"$work/messages" &
    pid=$!
}
# Lets it run for a moment, checks it is still up, then ends it as a session would.
stop_running() {
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
    kill -TERM "$pid"
    wait "$pid" || true
    pid=
}

start "$work/home" "$@"
for _ in $(seq 100); do [ -s "$library" ] && break; sleep 0.1; done
[ -s "$library" ] || fail "no practice folder with a library after the first start"
stop_running
cmp "$library" "$prefix/share/$(basename "$program")/ZEP100.TXT" || fail "library is not the starter"

printf 'Mein Muster\r\n%0100d\r\n' 0 >"$library"
cp "$library" "$work/edited"
start "$work/home" "$@"
stop_running
cmp "$library" "$work/edited" || fail "the second start replaced the edited library"

start "$work/terminal-home"
stop_running
[ ! -e "$work/terminal-home/ZEP100" ] || fail "a terminal start made a practice folder"
# Ended as a session ends, it saved its results where it was started.
[ -f "$work/elsewhere/ZEP100.INI" ] || fail "a terminal start did not work in its start folder"
! grep "module not loaded" "$work/messages" || fail "the installed program misses a module"

# An administrator's class folder takes the place of ~/ZEP100 for every account; a missing
# one stops the start at its message, with nothing written anywhere else.
mkdir -p "$work/xdg" "$work/class-home" "$work/klasse3a"
printf '[General]\nClassFolder=%s\n' "$work/klasse3a" >"$work/xdg/zep100.conf"
export XDG_CONFIG_DIRS="$work/xdg"
start "$work/class-home" "$@"
stop_running
[ -s "$work/klasse3a/ZEP100.TXT" ] || fail "the class folder got no library"
[ -f "$work/klasse3a/ZEP100.INI" ] || fail "the menu start did not work in the class folder"
rm -r "$work/klasse3a" "$work/elsewhere/ZEP100.INI"
start "$work/class-home" "$@"
sleep 1
kill -0 "$pid" 2>/dev/null || fail "a missing class folder ended the program without a message"
kill -KILL "$pid"
wait "$pid" || true
pid=
[ ! -e "$work/class-home/ZEP100" ] && [ ! -e "$work/elsewhere/ZEP100.INI" ] && [ ! -e "$work/klasse3a" ] \
    || fail "a missing class folder let the program write elsewhere"
echo "menu start ($command) made and kept $library"
