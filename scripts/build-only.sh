#!/usr/bin/env bash
# Builds and installs both programs as a packager does, with BUILD_TESTING=OFF, and shows that
# this needs none of the test tools: GoogleTest and Google Benchmark are disabled for find_package,
# the cache must name no test program afterwards, and where this runs as root the test tools are
# hidden outright (in a mount namespace of its own: an empty folder over their headers and CMake
# files, an unreadable empty file over their programs). A second build without the editor
# (ZYLOX_EDITOR=OFF, Qt disabled) must install zylox with its manual page and completion.
# Usage: scripts/build-only.sh [CMAKE_OPTION...]   (builds in build/packager-both/ and
# build/packager-cli/; CI adds -DCMAKE_COMPILE_WARNING_AS_ERROR=ON, so that the flags, and with them
# the compiler cache's objects, are those of its own build)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --hidden ] && [ "$(id -u)" -eq 0 ] && unshare --mount true 2>/dev/null; then
  exec unshare --mount "$0" --hidden "$@"
fi
fail() { echo "build-only: $*" >&2; exit 1; }
hidden=no
[ "${1:-}" != --hidden ] || { hidden=yes; shift; }
options=("$@")
if [ $hidden = yes ]; then
  for folder in /usr/include/gtest /usr/include/gmock /usr/include/benchmark /usr/src/googletest \
      /usr/lib/x86_64-linux-gnu/cmake/GTest /usr/lib/x86_64-linux-gnu/cmake/benchmark \
      /usr/lib/x86_64-linux-gnu/cmake/Qt6Test /usr/share/bash-completion; do
    [ -d "$folder" ] && mount -t tmpfs hidden "$folder"
  done
  hidden=$(mktemp) && chmod 000 "$hidden"
  for program in sox opusenc qemu-system-x86_64 busybox lintian desktop-file-validate appstreamcli xvfb-run python3; do
    path=$(command -v "$program" || true)
    [ -n "$path" ] && mount --bind "$hidden" "$(readlink -f "$path")"
  done
  echo "build-only: the test tools are hidden"
else
  echo "build-only: not root, so the test tools stay visible; the cache check below still holds"
fi

# Beside the presets' folders, at their depth, so that a compiler cache shares their objects.
build=build/packager
configure() {
  rm -rf "$build-$1" "$build-$1-root"
  cmake -S . -B "$build-$1" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON ${options[@]+"${options[@]}"} "${@:2}" \
    >"$build-$1.log" 2>&1 || { cat "$build-$1.log"; fail "configure ($1) failed"; }
  # Nothing of the tests may even have been looked for.
  local looked
  looked=$(grep -E '^(SOX_PROGRAM|OPUSENC_PROGRAM|ZYLOX_QEMU|ZYLOX_BUSYBOX|BASH_COMPLETION_SCRIPT|GTest_DIR|benchmark_DIR|Qt6Test_DIR)[:=]' \
    "$build-$1/CMakeCache.txt" || true)
  [ -z "$looked" ] || fail "configure ($1) looked for test tools: $looked"
  cmake --build "$build-$1"
  DESTDIR=$PWD/$build-$1-root cmake --install "$build-$1" >/dev/null
}
expect() {
  local root=$build-$1-root; shift
  for file in "$@"; do [ -e "$root/usr/$file" ] || fail "$file is not installed"; done
}
mkdir -p build
configure both
expect both bin/zylox bin/zylox-editor share/man/man1/zylox.1.gz share/man/man1/zylox-editor.1.gz \
  share/bash-completion/completions/zylox share/applications/zylox-editor.desktop \
  share/icons/hicolor/48x48/apps/zylox-editor.png share/metainfo/io.github.zylox.Editor.metainfo.xml \
  share/zylox-editor/translations/zylox-editor_de.qm
configure cli -DZYLOX_EDITOR=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON
expect cli bin/zylox share/man/man1/zylox.1.gz share/bash-completion/completions/zylox share/doc/zylox/copyright
[ ! -e "$build-cli-root/usr/bin/zylox-editor" ] || fail "the build without the editor installed it"
"$build-cli-root/usr/bin/zylox" --version
echo "build-only: both programs build and install without the test tools"
