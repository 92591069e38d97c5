#!/usr/bin/env bash
# A private CUPS scheduler for the printing tests: its own folders, a local
# socket, and a cups-pdf queue as the default printer whose PDFs land in a
# folder of the test's own. Nothing of the machine's own CUPS is touched
# except one queue configuration file of cups-pdf, removed again on stop.
#
#   cups.sh start DIR [QUEUE]   start cupsd under DIR; with QUEUE, add that
#                               cups-pdf queue as the default printer.
#                               Prints the environment to use, one VAR=value a line:
#                               CUPS_SERVER (the socket) and CUPS_PDF_DIR (the PDFs).
#   cups.sh stop DIR            stop that cupsd and remove the queue's configuration.
#   cups.sh wait DIR COUNT      wait until COUNT PDFs are written (60 s at most).
#
# Needs root (cupsd and the cups-pdf backend run as root).
set -euo pipefail

die() { echo "cups.sh: $*" >&2; exit 1; }

start() {
    local dir=$1 queue=${2:-}
    mkdir -p "$dir"/{conf/ppd,conf/ssl,spool/tmp,cache,state,logs,pdf}
    dir=$(cd "$dir" && pwd)
    local socket=$dir/cups.sock
    chmod 755 "$dir" "$dir/pdf"
    chmod 1777 "$dir/spool/tmp"
    cat >"$dir/conf/cupsd.conf" <<EOF
Listen $socket
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
WebInterface No
LogLevel warn
MaxLogSize 0
JobKillDelay 5
PreserveJobHistory No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    cat >"$dir/conf/cups-files.conf" <<EOF
ServerRoot $dir/conf
ServerBin $dir/bin
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/logs/access_log
ErrorLog $dir/logs/error_log
PageLog $dir/logs/page_log
User lp
Group lp
SystemGroup root
Sandboxing Relaxed
EOF
    # cups-pdf reads a queue's own configuration from /etc/cups, named after
    # the part of the device URI behind "cups-pdf:/".
    if [ -n "$queue" ]; then
        printf 'Out %s\nLabel 1\nLog %s\nGrp root\nAnonUMask 0022\nUserUMask 0022\n' \
            "$dir/pdf" "$dir/logs" >"/etc/cups/cups-pdf-$queue.conf"
        echo "$queue" >"$dir/queue"
    fi
    # The scheduler and the cups-pdf backend run from copies of our own: where
    # AppArmor confines them by their installed paths, it would keep them from
    # this folder and from the queue's configuration file.
    mkdir -p "$dir/bin/backend"
    cp -p /usr/sbin/cupsd "$dir/bin/cupsd"
    for entry in /usr/lib/cups/*; do
        [ "$(basename "$entry")" = backend ] || ln -s "$entry" "$dir/bin/"
    done
    for entry in /usr/lib/cups/backend/*; do
        [ "$(basename "$entry")" = cups-pdf ] || ln -s "$entry" "$dir/bin/backend/"
    done
    cp -p /usr/lib/cups/backend/cups-pdf "$dir/bin/backend/cups-pdf"
    "$dir/bin/cupsd" -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
        >"$dir/logs/cupsd.out" 2>&1 &
    echo $! >"$dir/cupsd.pid.own"
    export CUPS_SERVER=$socket
    local ready=
    for _ in $(seq 100); do
        if [ -S "$socket" ] && lpstat -r 2>/dev/null | grep -q "is running"; then ready=1; break; fi
        sleep 0.1
    done
    [ -n "$ready" ] || { cat "$dir/logs/"* >&2 || true; die "cupsd did not start"; }
    if [ -n "$queue" ]; then
        lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
            die "lpadmin failed"
        # pdftocairo keeps the text of the PDF readable (pdftotext) through the
        # PostScript step; the other renderers turn it into glyph numbers.
        lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo || die "lpadmin -o failed"
        lpadmin -d "$queue" || die "lpadmin -d failed"
        ready=
        for _ in $(seq 100); do
            if lpstat -a "$queue" 2>/dev/null | grep -q "accepting requests" &&
                lpstat -d 2>/dev/null | grep -q "$queue"; then ready=1; break; fi
            sleep 0.1
        done
        [ -n "$ready" ] || die "queue $queue does not accept jobs"
    fi
    echo "CUPS_SERVER=$socket"
    echo "CUPS_PDF_DIR=$dir/pdf"
}

stop() {
    local dir=$1
    if [ -f "$dir/cupsd.pid.own" ]; then
        local pid
        pid=$(cat "$dir/cupsd.pid.own")
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
        rm -f "$dir/cupsd.pid.own"
    fi
    if [ -f "$dir/queue" ]; then
        rm -f "/etc/cups/cups-pdf-$(cat "$dir/queue").conf" "$dir/queue"
    fi
}

wait_pdfs() {
    local dir=$1 count=$2
    for _ in $(seq 600); do
        # A PDF is complete once no job is left in the scheduler.
        if [ "$(find "$dir/pdf" -name '*.pdf' | wc -l)" -ge "$count" ] &&
            [ -z "$(CUPS_SERVER=$dir/cups.sock lpstat -o 2>/dev/null)" ]; then return 0; fi
        sleep 0.1
    done
    die "expected $count PDFs in $dir/pdf, found $(find "$dir/pdf" -name '*.pdf' | wc -l)"
}

case "${1:-}" in
start) start "${2:?folder}" "${3:-}" ;;
stop) stop "${2:?folder}" ;;
wait) wait_pdfs "${2:?folder}" "${3:?count}" ;;
*) sed -n '2,15p' "$0"; exit 2 ;;
esac
