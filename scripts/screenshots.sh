#!/usr/bin/env bash
# Takes a screenshot of each tab of the main window under Xvfb into docs/.
# Needs a build (scripts/build.sh) and xvfb-run, xdotool and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

if [ "${1:-}" = "--inside-xvfb" ]; then
  folder=$2
  cd "$folder"
  ./zemlar & pid=$!
  sleep 3
  xdotool key Return   # the warning about the missing logo
  sleep 1
  # Fill in a job the way a surveyor would: the focus chain moves on by itself.
  xdotool type --delay 40 "Mělník"; xdotool key Return; sleep 0.3
  xdotool type --delay 40 "00123"
  xdotool type --delay 40 "257"; xdotool key Return
  xdotool type --delay 40 "Ing. Jan Novák"; xdotool key Return
  xdotool type --delay 40 "88"; xdotool key Return
  xdotool type --delay 40 "3.2.2014"
  sleep 0.5
  import -window root -crop 1024x660+128+70 "$root/docs/tab-zpmz.png"
  xdotool key ctrl+Tab; sleep 0.5
  import -window root -crop 1024x660+128+70 "$root/docs/tab-desky.png"
  xdotool key ctrl+Tab; sleep 0.5
  import -window root -crop 1024x660+128+70 "$root/docs/tab-zadost.png"
  kill "$pid"
  exit 0
fi

folder=$(mktemp -d)
cp -r build/zemlar/. "$folder/"
rm -f "$folder/zr.ini"
printf '[Nastaveni]\r\nKraj=Středočeský kraj\r\nKP=Mělník\r\nROK=2014\r\n' |
  iconv -f UTF-8 -t CP1250 > "$folder/zr.ini"
mkdir -p docs
xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" --inside-xvfb "$folder"
rm -rf "$folder"
