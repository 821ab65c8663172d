#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over the core layers and zylox, with the compile database of a
# configured build. Fails on a finding of the fault-finding families; a naming finding only warns.
# Usage: scripts/tidy.sh [BUILD_DIR] [JOBS]   (default: build/default, one job per core)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
jobs=${2:-$(nproc)}
[ -f "$build/compile_commands.json" ] || { echo "tidy: no $build/compile_commands.json; configure first (cmake --preset default)" >&2; exit 1; }
run-clang-tidy -p "$build" -j "$jobs" -quiet "^$PWD/(bytes|midifile|model|content|flash|bankfile|midiio|playback|audio|cli)/([a-z]+/)?[^/]*\.cpp$"
