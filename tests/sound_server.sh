#!/bin/sh
# SPDX-FileCopyrightText: 2026 ZEP contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# sound_server.sh start|stop FOLDER
# A private PulseAudio server for the speech tests: one null sink (no loudspeaker needed)
# whose monitor the tests record, reached at unix:FOLDER/native. Everything it keeps lives
# in FOLDER; no system or session daemon is touched.
set -eu
action=$1
folder=$2

export HOME="$folder/home" XDG_RUNTIME_DIR="$folder/runtime" XDG_CONFIG_HOME="$folder/config"
export PULSE_RUNTIME_PATH="$folder/runtime" PULSE_STATE_PATH="$folder/state"
export DBUS_SESSION_BUS_ADDRESS=disabled: PULSE_SERVER="unix:$folder/native"
unset DISPLAY

case "$action" in
start)
    if [ -f "$folder/server.pid" ]; then kill "$(cat "$folder/server.pid")" 2>/dev/null || true; fi
    rm -rf "$folder"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$PULSE_STATE_PATH"
    chmod 700 "$XDG_RUNTIME_DIR"
    cat >"$folder/server.pa" <<END
load-module module-null-sink sink_name=zep_null rate=22050
load-module module-native-protocol-unix socket=$folder/native auth-anonymous=1
set-default-sink zep_null
set-default-source zep_null.monitor
END
    # --system=no with its own folders also lets root run it.
    setsid pulseaudio -n --daemonize=no --system=no --use-pid-file=no --exit-idle-time=-1 \
        --disallow-exit -F "$folder/server.pa" </dev/null >"$folder/server.log" 2>&1 &
    echo $! >"$folder/server.pid"
    tries=0
    while [ $tries -lt 100 ]; do
        if pactl info >/dev/null 2>&1; then
            # A module that fails to load does not stop the server: check the sink is there.
            if pactl list short sinks | grep -q zep_null; then
                echo "sound server ready at $PULSE_SERVER"
                exit 0
            fi
            break
        fi
        kill -0 "$(cat "$folder/server.pid")" 2>/dev/null || break
        sleep 0.1
        tries=$((tries + 1))
    done
    echo "The sound server did not start:" >&2
    cat "$folder/server.log" >&2
    kill "$(cat "$folder/server.pid")" 2>/dev/null || true
    exit 1
    ;;
stop)
    [ -f "$folder/server.pid" ] || exit 0
    pid=$(cat "$folder/server.pid")
    kill "$pid" 2>/dev/null || true
    tries=0
    while kill -0 "$pid" 2>/dev/null && [ $tries -lt 50 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    kill -9 "$pid" 2>/dev/null || true
    rm -f "$folder/server.pid"
    ;;
*)
    echo "usage: $0 start|stop FOLDER" >&2
    exit 2
    ;;
esac
