#!/usr/bin/env bash
# Starts the CUPS scheduler (as root) with a cups-pdf queue "PDF" as the default printer, for
# the printing tests. Its PostScript step renders with pdftocairo, which keeps the Cyrillic
# text of the printed pages readable by pdftotext. Without root or cupsd it says so and the
# printing tests skip.
set -uo pipefail
if [ "$(id -u)" -ne 0 ] || ! command -v cupsd >/dev/null; then
    echo "start-cups: not root or no cupsd; the printing tests will be skipped" >&2
    exit 0
fi
lpstat -r >/dev/null 2>&1 || cupsd
for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.2; done
lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
    -o pdftops-renderer-default=pdftocairo 2>/dev/null &&
    lpadmin -d PDF || echo "start-cups: the cups-pdf queue could not be set up" >&2
