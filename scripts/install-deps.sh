#!/usr/bin/env bash
# Installs, from Debian's own packages, whatever of scripts/packages.txt is not yet on the machine,
# and fetches the kernel the kernel tests boot (scripts/fetch-kernel.sh), unless given --no-kernel.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

missing=()
while read -r package; do
  [ -n "$package" ] || continue
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done < "$here/packages.txt"

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# Without it the kernel tests are skipped and say so; everything else still builds and runs.
if [ "${1:-}" != --no-kernel ]; then
  "$here/fetch-kernel.sh" || echo "install-deps: the kernel was not fetched; the kernel tests will be skipped" >&2
fi
