#!/usr/bin/env bash
# Builds the editor, starts it on a virtual X display and saves a picture of its window with the
# sound browser open on a folder of synthesised sounds, or with --panel of the sound panel shaping
# a synthesised kick for the first slot.
# Usage: scripts/screenshot.sh [--panel] [OUT.png]   (default: docs/editor.png, docs/sound-panel.png)
# The window speaks the language of LANG: LANG=de_DE.UTF-8 scripts/screenshot.sh docs/editor-de.png
set -euo pipefail
cd "$(dirname "$0")/.."

# The id of the first window whose title line in the window tree matches the pattern; waits for it.
# xwininfo reads titles in a UTF-8 locale whatever LANG the editor was given, which may not exist here.
window_titled() {
  local window=""
  for _ in $(seq 100); do
    window=$(LC_ALL=C.UTF-8 xwininfo -root -tree 2>/dev/null | awk -v pattern="$1" '$0 ~ pattern {print $1; exit}' || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  echo "$window"
}

# Second stage for the panel: Ctrl+1 imports into the first slot; the file panel takes the path.
if [ "${1:-}" = "--panel-in-display" ]; then
  out=$2 sounds=$(mktemp -d)
  sox -n -r 44100 -c 1 -b 16 "$sounds/kick.wav" synth 0.9 sine 160-45 fade q 0.002 0.9 0.8 pad 0.12
  XDG_CONFIG_HOME=$(mktemp -d) build/default/app/zylox-editor 2>/dev/null &
  editor=$!
  window=$(window_titled 'ZYLOX 515 Editor": \("zylox-editor"')
  [ -n "$window" ] && xdotool windowfocus --sync "$window" key ctrl+1
  sleep 1
  xdotool type --delay 5 "$sounds/kick.wav"
  xdotool key Return
  panel=$(window_titled '"Shape ')
  # Snap to Onset: the window moves onto the hit.
  [ -n "$panel" ] && sleep 1 && xdotool key alt+o
  sleep 1 # lets the paint finish
  [ -n "$panel" ] && import -window "$panel" "$out"
  kill "$editor"
  [ -n "$panel" ] || { echo "screenshot: the sound panel did not appear" >&2; exit 1; }
  exit 0
fi

# Second stage, inside the virtual display: wait for the window to be mapped, then grab it.
if [ "${1:-}" = "--in-display" ]; then
  out=$2 window=""
  # A first start, whatever this machine's user has set up in the editor before, but for the
  # browser: open on a folder of drum sounds, which is also a favourite.
  config=$(mktemp -d) home=$(mktemp -d)
  sounds=$home/Music/Drums
  trap 'rm -rf "$config" "$home"' EXIT
  mkdir -p "$sounds" "$config/zylox"
  sox -n -r 44100 -c 1 -b 16 "$sounds/Kick 1.wav" synth 0.6 sine 150-40 fade q 0.002 0.6 0.5
  sox -n -r 44100 -c 1 -b 16 "$sounds/Kick 2.wav" synth 0.4 sine 180-50 fade q 0.002 0.4 0.35
  sox -n -r 48000 -c 2 -b 24 "$sounds/Snare.wav" synth 0.3 noise lowpass 6000 fade q 0.001 0.3 0.28 gain -6
  sox -n -r 48000 -c 2 -b 24 "$sounds/Clap.flac" synth 0.25 noise bandpass 1200 400 fade q 0.001 0.25 0.2 gain -6
  sox -n -r 44100 -c 1 -b 16 "$sounds/Closed Hat.aiff" synth 0.08 noise gain -6 highpass 7000 fade q 0 0.08 0.07
  sox -n -r 44100 -c 1 -b 16 "$sounds/Open Hat.aiff" synth 0.5 noise gain -6 highpass 6000 fade q 0 0.5 0.45
  sox -n -r 22050 -c 1 -b 16 "$sounds/Rim.wav" synth 0.05 square 1700 fade q 0 0.05 0.045 gain -9
  sox -n -r 96000 -c 2 -b 24 "$sounds/Ride.flac" synth 2.5 noise gain -12 highpass 5000 fade q 0.001 2.5 2.4
  printf '[browser]\nvisible=true\nfolder=%s\nfavourites=%s\n' "$sounds" "$sounds" > "$config/zylox/zylox-editor.conf"
  HOME=$home XDG_CONFIG_HOME=$config build/default/app/zylox-editor 2>/dev/null &
  editor=$!
  for _ in $(seq 100); do
    # The title begins with the bank file's name, so look for the window by the end of its title.
    window=$(LC_ALL=C.UTF-8 xwininfo -root -tree 2>/dev/null | awk '/ZYLOX 515 Editor": \("zylox-editor"/ {print $1; exit}' || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 1 # lets the first paint finish
  [ -n "$window" ] && import -window "$window" "$out"
  kill "$editor"
  [ -n "$window" ] || { echo "screenshot: the editor's window did not appear" >&2; exit 1; }
  exit 0
fi

stage=--in-display out=docs/editor.png
if [ "${1:-}" = "--panel" ]; then
  stage=--panel-in-display out=docs/sound-panel.png
  shift
fi
out=${1:-$out}
scripts/install-deps.sh --no-kernel
cmake --preset default >/dev/null
cmake --build --preset default --target zylox-editor
mkdir -p "$(dirname "$out")"
xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" "$0" "$stage" "$out"
echo "$out"
