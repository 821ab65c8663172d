#!/bin/bash
# Unpacks Debian's current amd64 kernel package into DIR/kernel (kept as a cache between runs).
set -euo pipefail
dir=$1
[ -d "$dir/kernel/boot" ] && exit 0
mkdir -p "$dir" && cd "$dir"
kernel_package() { apt-cache depends linux-image-amd64 2>/dev/null | sed -n 's/.*Depends: \(linux-image-[0-9].*\)/\1/p' | head -1; }
package=$(kernel_package)
# A machine that has installed nothing yet may not have fetched the package lists.
if [ -z "$package" ] && [ "$(id -u)" -eq 0 ]; then
  apt-get update -q >/dev/null && package=$(kernel_package)
fi
[ -n "$package" ] || { echo "no kernel package known to apt"; exit 1; }
rm -f "$package"_*.deb
apt-get download "$package"
rm -rf kernel.partial && dpkg -x "$package"_*.deb kernel.partial && mv kernel.partial kernel
rm -f "$package"_*.deb
echo "kernel: $(ls kernel/lib/modules)"
