#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. Usage: scripts/test.sh [default|asan|tsan]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}

scripts/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
