#!/bin/sh
# The accessibility check on a bus and a display of its own: usage run_atspi_check.sh EDITOR
here=$(dirname "$0")
exec dbus-run-session -- xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24" \
  /usr/bin/python3 "$here/atspi_check.py" "$@"
