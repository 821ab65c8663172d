#!/usr/bin/env bash
# Builds the editor, starts it on a virtual X display and saves a picture of its window.
# Usage: scripts/screenshot.sh [OUT.png]   (default: docs/editor.png)
set -euo pipefail
cd "$(dirname "$0")/.."

# Second stage, inside the virtual display: wait for the window to be mapped, then grab it.
if [ "${1:-}" = "--in-display" ]; then
  out=$2 window=""
  # A first start, whatever this machine's user has set up in the editor before.
  XDG_CONFIG_HOME=$(mktemp -d) build/default/app/zylox-editor 2>/dev/null &
  editor=$!
  for _ in $(seq 100); do
    # The title begins with the bank file's name, so look for the window by the end of its title.
    window=$(xwininfo -root -tree 2>/dev/null | awk '/ZYLOX 515 Editor": \("zylox-editor"/ {print $1; exit}' || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 1 # lets the first paint finish
  [ -n "$window" ] && import -window "$window" "$out"
  kill "$editor"
  [ -n "$window" ] || { echo "screenshot: the editor's window did not appear" >&2; exit 1; }
  exit 0
fi

out=${1:-docs/editor.png}
scripts/install-deps.sh --no-kernel
cmake --preset default >/dev/null
cmake --build --preset default --target zylox-editor
mkdir -p "$(dirname "$out")"
xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" "$0" --in-display "$out"
echo "$out"
