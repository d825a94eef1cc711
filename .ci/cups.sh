#!/bin/sh
# A CUPS server with one PDF printer, for the end-to-end printing test.
#
#   eval "$(.ci/cups.sh start OUTDIR)"   starts cupsd, adds the printer PDF (the server default) and
#                                         prints the environment the test reads:
#                                         TAVIX_CUPS_PRINTER=PDF TAVIX_CUPS_OUT=OUTDIR
#   .ci/cups.sh stop                      stops the cupsd started here
#
# Needs root and the packages cups, cups-client, printer-driver-cups-pdf and poppler-utils. Starts
# cupsd directly (no init system on CI machines) and installs nothing.
set -eu

STATE_DIR=${TAVIX_CUPS_STATE:-/tmp/tavix-cups}
PID_FILE=$STATE_DIR/cupsd.pid
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

log() { echo "cups.sh: $*" >&2; }

wait_for_scheduler() {
    i=0
    until lpstat -r 2>/dev/null | grep -q 'is running'; do
        i=$((i + 1))
        if [ "$i" -gt 100 ]; then
            log "cupsd did not answer within 10 s; its log:"
            cat "$STATE_DIR/cupsd.log" >&2 || true
            exit 1
        fi
        sleep 0.1
    done
}

start() {
    out=${1:?usage: cups.sh start OUTDIR}
    for tool in /usr/sbin/cupsd lpadmin lpstat; do
        command -v "$tool" >/dev/null 2>&1 || { log "$tool is missing (install cups and cups-client)"; exit 1; }
    done
    [ -f "$PPD" ] || { log "$PPD is missing (install printer-driver-cups-pdf)"; exit 1; }
    [ -f /etc/cups/cups-pdf.conf ] || { log "/etc/cups/cups-pdf.conf is missing"; exit 1; }
    mkdir -p "$out" "$STATE_DIR"
    out=$(cd "$out" && pwd)

    # cups-pdf writes into Out/<user>; ${USER} is expanded by cups-pdf, not here.
    sed -i "s|^#\{0,1\}Out .*|Out $out/\${USER}|" /etc/cups/cups-pdf.conf
    grep -q "^Out $out/" /etc/cups/cups-pdf.conf || { log "could not set Out in cups-pdf.conf"; exit 1; }

    if [ -f "$PID_FILE" ] && kill -0 "$(cat "$PID_FILE")" 2>/dev/null; then
        log "cupsd already running (pid $(cat "$PID_FILE"))"
    else
        /usr/sbin/cupsd -f >"$STATE_DIR/cupsd.log" 2>&1 &
        echo $! >"$PID_FILE"
    fi
    wait_for_scheduler

    # -E after -p enables the queue (before -p it would mean "encrypt"); pdftocairo keeps the text
    # of the printed PDF readable for pdftotext.
    lpadmin -p PDF -E -v cups-pdf:/ -P "$PPD" -o pdftops-renderer-default=pdftocairo
    # The server default, so QPrinterInfo::defaultPrinter() sees it (lpoptions -d would only set
    # root's own default).
    lpadmin -d PDF
    i=0
    until lpstat -p PDF 2>/dev/null | grep -q 'enabled'; do
        i=$((i + 1))
        [ "$i" -le 50 ] || { log "printer PDF did not come up"; lpstat -t >&2 || true; exit 1; }
        sleep 0.1
    done
    log "cupsd running (pid $(cat "$PID_FILE")), printer PDF writes into $out"
    echo "export TAVIX_CUPS_PRINTER=PDF TAVIX_CUPS_OUT='$out'"
}

stop() {
    if [ -f "$PID_FILE" ]; then
        pid=$(cat "$PID_FILE")
        if kill "$pid" 2>/dev/null; then
            i=0
            while kill -0 "$pid" 2>/dev/null && [ "$i" -lt 50 ]; do
                i=$((i + 1))
                sleep 0.1
            done
            log "cupsd (pid $pid) stopped"
        fi
        rm -f "$PID_FILE"
    else
        log "no cupsd started by this script"
    fi
}

case "${1:-}" in
start) shift; start "$@" ;;
stop) stop ;;
*)
    echo "usage: $0 start OUTDIR | stop" >&2
    exit 2
    ;;
esac
