#!/usr/bin/env bash
# Takes a screenshot of each tab of the main window under Xvfb into docs/.
# Needs a build (scripts/build.sh) and xvfb-run, xdotool and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
folder=$(mktemp -d)
cp -r build/zemlar/. "$folder/"
rm -f "$folder/zr.ini"
printf '[Nastaveni]\r\nKraj=Středočeský kraj\r\nKP=Mělník\r\nROK=2014\r\n' | iconv -f UTF-8 -t CP1250 > "$folder/zr.ini"
run() {
  cd "$folder"
  ./zemlar & pid=$!
  sleep 3
  xdotool key Return   # the warning about the missing logo
  sleep 1
  import -window root -crop 1024x660+128+70 "$root/docs/tab-zpmz.png"
  xdotool key ctrl+Tab; sleep 0.5
  import -window root -crop 1024x660+128+70 "$root/docs/tab-desky.png"
  xdotool key ctrl+Tab; sleep 0.5
  import -window root -crop 1024x660+128+70 "$root/docs/tab-zadost.png"
  kill "$pid"
}
export -f run
export folder root
xvfb-run -a -s "-screen 0 1280x800x24" bash -c run
rm -rf "$folder"
