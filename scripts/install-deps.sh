#!/usr/bin/env bash
# Installs what building, running and testing ТРЕЛОН-2 needs on Debian 12 (run as root).
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libgtest-dev libgmock-dev libbenchmark-dev clang-format
    fonts-dejavu-core fonts-liberation
)
# Printing of the results screen, tested through a real print queue: the CUPS scheduler, the
# cups-pdf printer that writes each job as a PDF, and pdftotext/pdftoppm to read them back.
packages+=(cups cups-bsd printer-driver-cups-pdf poppler-utils)
# The sound server the feedback sounds play through (PulseAudio).
packages+=(pulseaudio)
# The Debian package (CPack, with dpkg-shlibdeps reading the linked libraries) and the
# validators of its menu entry and metainfo.
packages+=(dpkg-dev file desktop-file-utils appstream)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The print queue the program and the printing tests print to (the CUPS scheduler with the
# cups-pdf printer); without root it says so and the printing tests skip.
bash "$(dirname "$0")/start-cups.sh"
# The sound server the program plays its feedback sounds through, and the sound test checks.
bash "$(dirname "$0")/start-sound.sh"
