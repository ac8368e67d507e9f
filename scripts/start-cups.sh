#!/usr/bin/env bash
# Starts the CUPS server and a cups-pdf print queue "ZemlarPDF" that writes
# every job as a PDF into /var/spool/zemlar-cups-pdf, for the test that
# prints through a real queue. Safe to run again: what is running or exists
# already is left as it is. Needs root (as in CI) or sudo.
set -euo pipefail

queue=ZemlarPDF
out=/var/spool/zemlar-cups-pdf

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

if ! command -v cupsd >/dev/null || [ ! -e /usr/lib/cups/backend/cups-pdf ]; then
  echo "start-cups: cupsd or cups-pdf is not installed; the printing test will be skipped" >&2
  exit 0
fi

# cups-pdf writes into the job owner's home by default; one known folder
# lets the test find the file whoever runs it.
conf=/etc/cups/cups-pdf.conf
$SUDO mkdir -p "$out"
$SUDO chmod 1777 "$out"
if ! grep -qx "Out $out" "$conf" 2>/dev/null; then
  $SUDO sed -i -E '/^[#[:space:]]*Out[[:space:]]/d' "$conf"
  echo "Out $out" | $SUDO tee -a "$conf" >/dev/null
fi
if ! grep -qx "AnonDirName $out" "$conf" 2>/dev/null; then
  $SUDO sed -i -E '/^[#[:space:]]*AnonDirName[[:space:]]/d' "$conf"
  echo "AnonDirName $out" | $SUDO tee -a "$conf" >/dev/null
fi

running() { lpstat -r 2>/dev/null | grep -q "is running"; }
if ! running; then
  $SUDO mkdir -p /run/cups
  # Without systemd the daemon is started directly; it detaches by itself.
  $SUDO cupsd
  for _ in $(seq 1 50); do
    running && break
    sleep 0.2
  done
fi
if ! running; then
  echo "start-cups: the CUPS scheduler did not start" >&2
  exit 1
fi

if ! lpstat -p "$queue" >/dev/null 2>&1; then
  ppd=$(lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ {print $1; exit}')
  if [ -z "$ppd" ]; then
    echo "start-cups: no cups-pdf driver found (lpinfo -m)" >&2
    exit 1
  fi
  $SUDO lpadmin -p "$queue" -v cups-pdf:/ -E -m "$ppd" -o printer-error-policy=abort-job
fi
# The default PostScript conversion draws text as unnamed glyphs; the cairo
# one keeps it readable, so the test can find the job's texts in the output.
$SUDO lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo
$SUDO cupsenable "$queue"
$SUDO cupsaccept "$queue"
echo "start-cups: queue $queue ready, PDFs go to $out"
