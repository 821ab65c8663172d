#!/usr/bin/env bash
# Installs, from Debian's own packages, whatever of the named lists in scripts/packages/ is not yet
# on the machine: build (what builds the programs), run (what they need at run time) and test (what
# tests and checks them); all three when none is named. With the test list it also fetches the
# kernel the kernel tests boot (scripts/fetch-kernel.sh), unless given --no-kernel.
# Usage: scripts/install-deps.sh [--no-kernel] [build] [run] [test]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

kernel=yes
lists=()
for argument in "$@"; do
  case $argument in
    --no-kernel) kernel=no ;;
    build | run | test) lists+=("$argument") ;;
    *) echo "install-deps: unknown list '$argument' (build, run or test)" >&2; exit 2 ;;
  esac
done
[ ${#lists[@]} -gt 0 ] || lists=(build run test)

missing=()
for list in "${lists[@]}"; do
  while read -r package; do
    case $package in '' | '#'*) continue ;; esac
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done < "$here/packages/$list.txt"
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# Without it the kernel tests are skipped and say so; everything else still builds and runs.
if [ $kernel = yes ] && [[ " ${lists[*]} " == *" test "* ]]; then
  "$here/fetch-kernel.sh" || echo "install-deps: the kernel was not fetched; the kernel tests will be skipped" >&2
fi
