#!/usr/bin/env bash
# Unpacks Debian's current amd64 kernel package for the kernel tests, which boot it under qemu, into
# DIR/kernel (default: ~/.cache/zylox/kernel, where the build looks for it). Kept between runs;
# nothing is installed on this machine. Usage: scripts/fetch-kernel.sh [DIR]
set -euo pipefail
dir=${1:-${XDG_CACHE_HOME:-$HOME/.cache}/zylox}
[ -d "$dir/kernel/boot" ] && exit 0
mkdir -p "$dir" && cd "$dir"
kernel_package() { apt-cache depends linux-image-amd64 2>/dev/null | sed -n 's/.*Depends: \(linux-image-[0-9].*\)/\1/p' | head -1; }
package=$(kernel_package)
# A machine that has installed nothing yet may not have fetched the package lists.
if [ -z "$package" ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q >/dev/null && package=$(kernel_package)
fi
[ -n "$package" ] || { echo "fetch-kernel: no kernel package known to apt" >&2; exit 1; }
echo "Fetching the kernel for the kernel tests: $package"
rm -f "$package"_*.deb
apt-get download -q "$package"
rm -rf kernel.partial && dpkg -x "$package"_*.deb kernel.partial && mv kernel.partial kernel
rm -f "$package"_*.deb
echo "kernel: $(ls kernel/lib/modules) in $dir/kernel"
