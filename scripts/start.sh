#!/usr/bin/env bash
# Installs what is missing, builds and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --no-kernel
cmake --preset default >/dev/null
cmake --build --preset default --target zylox-editor zylox
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "zylox-editor needs a graphical desktop and this session has no display (DISPLAY and WAYLAND_DISPLAY are unset); without one, use build/default/cli/zylox --help." >&2
  exit 1
fi
exec build/default/app/zylox-editor
