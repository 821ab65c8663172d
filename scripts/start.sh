#!/usr/bin/env bash
# Installs what is missing to build and run the programs (not the test tools), builds and starts
# the editor.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build run
# A first configure leaves the tests out, which need what only scripts/test.sh installs; a build
# folder that scripts/test.sh has configured keeps its tests.
[ -f build/default/CMakeCache.txt ] || cmake --preset default -DBUILD_TESTING=OFF >/dev/null
cmake --build --preset default --target zylox-editor zylox
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "zylox-editor needs a graphical desktop and this session has no display (DISPLAY and WAYLAND_DISPLAY are unset); without one, use build/default/cli/zylox --help." >&2
  exit 1
fi
exec build/default/app/zylox-editor
