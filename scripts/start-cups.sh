#!/usr/bin/env bash
# Starts the CUPS scheduler (as root) with a cups-pdf queue "PDF" as the default printer, for
# the printing tests. Its PostScript step renders with pdftocairo, which keeps the Cyrillic
# text of the printed pages readable by pdftotext. Without root or cupsd it says so and the
# printing tests skip (under CI=true this script and those tests fail instead).
set -uo pipefail
export LC_ALL=C # lpstat's messages, read below, untranslated

give_up() {
    echo "start-cups: $1; the printing tests will be skipped" >&2
    [ "${CI:-}" = true ] && exit 1
    exit 0
}

# "lpstat -r" exits 0 even when it prints "scheduler is not running" (where no init system
# started cupsd), so its words are read, not its exit status.
scheduler_answers() {
    [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]
}

if [ "$(id -u)" -ne 0 ] || ! command -v cupsd >/dev/null; then
    give_up "not root or no cupsd"
fi
if ! scheduler_answers; then
    cupsd || give_up "cupsd could not be started (see /var/log/cups/error_log)"
    for _ in $(seq 50); do scheduler_answers && break; sleep 0.2; done
    scheduler_answers || give_up "the CUPS scheduler does not answer (see /var/log/cups/error_log)"
fi
if ! lpstat -p PDF >/dev/null 2>&1; then
    lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
        -o pdftops-renderer-default=pdftocairo || give_up "the cups-pdf queue could not be set up"
fi
lpadmin -d PDF
lpstat -p PDF >/dev/null 2>&1 || give_up "the cups-pdf queue PDF does not answer"
echo "start-cups: the scheduler answers and prints to the cups-pdf queue PDF" >&2
