#!/bin/sh
# SPDX-FileCopyrightText: 2026 ZEP contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# cups-scheduler.sh start|stop FOLDER
# A private print scheduler for the printing tests. Everything it keeps lives in FOLDER; it
# listens only on the socket FOLDER/cups.sock (clients find it through CUPS_SERVER) and
# never touches the system's scheduler or its configuration.
#
# Its default queue "Schuldrucker" stores every job, as the program submitted it, in
# FOLDER/out/<job id>.pdf. The PDF driver's own backend cannot serve here: it takes its
# output folder only from the system-wide file under /etc, so the queue uses a small
# backend of its own in a private copy of the scheduler's program folder.
set -eu
command=$1
folder=$(mkdir -p "$2" && cd "$2" && pwd)
socket="$folder/cups.sock"
queue=Schuldrucker

stop() {
    [ -f "$folder/cupsd.pid" ] || return 0
    pid=$(cat "$folder/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
    rm -f "$folder/cupsd.pid"
}

case "$command" in
stop) stop; exit 0 ;;
start) ;;
*) echo "usage: $0 start|stop FOLDER" >&2; exit 2 ;;
esac

if [ ${#socket} -gt 100 ]; then
    echo "The socket path $socket is too long for a local socket." >&2
    exit 1
fi
stop
rm -rf "$folder"
mkdir -p "$folder/etc" "$folder/spool" "$folder/cache" "$folder/state" "$folder/tmp" \
    "$folder/log" "$folder/out" "$folder/bin/backend"
# Filters and backends run as an unprivileged user; they write to tmp/ and out/.
chmod 1777 "$folder/tmp" "$folder/out"

for part in cgi-bin daemon filter monitor notifier; do
    ln -s "/usr/lib/cups/$part" "$folder/bin/$part"
done
cat > "$folder/bin/backend/pdfstore" <<'BACKEND'
#!/bin/sh
# pdfstore:/FOLDER — job-id user title copies options [file]
[ $# -eq 0 ] && { echo 'direct pdfstore "Unknown" "PDF store"'; exit 0; }
umask 022
target="${DEVICE_URI#pdfstore:}/$1.pdf"
if [ $# -ge 6 ]; then cat "$6" > "$target.part"; else cat > "$target.part"; fi || exit 1
mv "$target.part" "$target"
BACKEND
chmod 755 "$folder/bin/backend/pdfstore"

cat > "$folder/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$folder/etc/cups-files.conf" <<CONF
ServerRoot $folder/etc
ServerBin $folder/bin
RequestRoot $folder/spool
CacheDir $folder/cache
StateDir $folder/state
TempDir $folder/tmp
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
Printcap $folder/state/printcap
CONF

cupsd -f -c "$folder/etc/cupsd.conf" -s "$folder/etc/cups-files.conf" \
    >"$folder/log/cupsd.out" 2>&1 &
echo $! >"$folder/cupsd.pid"

export CUPS_SERVER="$socket"
for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    if ! kill -0 "$(cat "$folder/cupsd.pid")" 2>/dev/null; then
        echo "The print scheduler did not start:" >&2
        cat "$folder/log/cupsd.out" "$folder/log/error_log" >&2 2>/dev/null || true
        exit 1
    fi
    sleep 0.1
done
if ! lpstat -r | grep -q "is running"; then
    echo "The print scheduler does not answer on $socket." >&2
    stop
    exit 1
fi
lpadmin -p "$queue" -E -v "pdfstore:$folder/out" -o media-default=iso_a4_210x297mm
lpadmin -d "$queue"
lpstat -H
lpstat -d -p "$queue"
