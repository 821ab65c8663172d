#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over the core layers (cmake/layers.txt) and zylox, with the compile
# database of a configured build. Fails on a finding of the fault-finding families; a naming
# finding only warns. zylox's library compiles as a few unity files (the command-line library's
# header is seconds of compiling each time it is included): those are what the database lists, so
# they are what is checked, and .clang-tidy's header filter takes in the sources they include.
# Usage: scripts/tidy.sh [BUILD_DIR] [JOBS]   (default: build/default, one job per core)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
jobs=${2:-$(nproc)}
[ -f "$build/compile_commands.json" ] || { echo "tidy: no $build/compile_commands.json; configure first (cmake --preset default)" >&2; exit 1; }
build=$(cd "$build" && pwd)
layers=$(grep -E '^[a-z]' cmake/layers.txt | paste -sd '|')
# Our own headers, and zylox's sources where a unity file includes them; not Qt's, CLI11's or the
# C++ library's.
headers="/($layers|cli)/([a-z]+/)?[^/]*\.h$|/cli/[^/]*\.cpp$"
run-clang-tidy -p "$build" -j "$jobs" -quiet -header-filter="$headers" "^$PWD/($layers|cli)/([a-z]+/)?[^/]*\.cpp$"
# A unity file is nothing but includes of .cpp files.
run-clang-tidy -p "$build" -j "$jobs" -quiet -header-filter="$headers" -checks=-bugprone-suspicious-include \
  "^$build/cli/CMakeFiles/zylox_cli\.dir/Unity/unity_[0-9]+_cxx\.cxx$"
