#!/usr/bin/env bash
# Builds the Debian package from a build folder into a scratch folder and checks it as Debian
# would: lintian without errors, the launcher, the AppStream data and the manual page valid, every
# file in the list, then installed with dpkg into an empty root where the launcher must find its
# program and icon. Usage: check-package.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"
fail() { echo "package check: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >cpack.log 2>&1 || { cat cpack.log; fail "cpack failed"; }
debs=(out/zylox_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no zylox_<version>_amd64.deb in $(ls out)"
deb=${debs[0]}

dpkg-deb -c "$deb" | awk '{ print $6 }' >files.txt
for file in usr/bin/zylox usr/bin/zylox-editor usr/share/applications/zylox-editor.desktop \
    usr/share/icons/hicolor/scalable/apps/zylox-editor.svg usr/share/icons/hicolor/48x48/apps/zylox-editor.png \
    usr/share/icons/hicolor/128x128/apps/zylox-editor.png usr/share/icons/hicolor/256x256/apps/zylox-editor.png \
    usr/share/metainfo/io.github.zylox.Editor.metainfo.xml usr/share/man/man1/zylox.1.gz \
    usr/share/man/man1/zylox-editor.1.gz usr/share/bash-completion/completions/zylox \
    usr/share/doc/zylox/copyright usr/share/doc/zylox/changelog.gz; do
  grep -qxF "./$file" files.txt || fail "$file is not in the package"
done
# Nothing of the build's own (tests, benchmarks, libraries) goes into the package.
extra=$(grep -v -e '/$' -e '^./usr/bin/zylox' -e '^./usr/share/' files.txt || true)
[ -z "$extra" ] || fail "unexpected files: $extra"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libasound2 libsndfile1 libsoxr0 libc6; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

lintian --fail-on error --tag-display-limit 0 "$deb" >lintian.txt 2>&1 || { cat lintian.txt; fail "lintian reports errors"; }

root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# The scratch root has none of the libraries: the host's stand in for them.
dpkg --root="$root" --log=/dev/null --force-depends --install "$deb" >dpkg.log 2>&1 || { cat dpkg.log; fail "dpkg --root failed"; }

desktop=$root/usr/share/applications/zylox-editor.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.zylox.Editor.metainfo.xml" >appstream.txt 2>&1 ||
  { cat appstream.txt; fail "appstreamcli validate"; }
for page in zylox zylox-editor; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man -l $page.1.gz: $warnings"
done

program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/bin/$program" ] || fail "the launcher's Exec=$program is not in /usr/bin"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the launcher's Icon=$icon is not installed"
for size in 48 128 256; do
  file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" | grep -q "$size x $size" ||
    fail "the $size pixel icon is not $size x $size"
done
"$root/usr/bin/zylox" --version | grep -qx "zylox [0-9.]*" || fail "the installed zylox does not run"
[ "$("$root/usr/bin/zylox" info | cut -f2 | tr '\n' ' ')" = "$(printf 'S%02d ' $(seq 1 31))FW " ] ||
  fail "the installed zylox info does not list S01 to S31 and FW"

# Completion: commands, options, and --port names as `zylox ports` prints them.
mkdir -p fake
printf '#!/bin/sh\nprintf "0: Midi Through:Midi Through Port-0\\n1: UM-ONE:UM-ONE MIDI 1\\n"\n' >fake/zylox
chmod +x fake/zylox
complete_words() {
  PATH=$scratch/fake:$PATH bash -c 'source /usr/share/bash-completion/bash_completion; source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    _zylox; printf "%s\n" "${COMPREPLY[@]}"' complete "$root/usr/share/bash-completion/completions/zylox" "$@"
}
[ "$(complete_words zylox se | tr '\n' ' ')" = "send " ] || fail "completion of commands"
[ "$(complete_words zylox send --port U | tr '\n' ' ')" = 'UM-ONE:UM-ONE\ MIDI\ 1 ' ] || fail "completion of --port names"
[ "$(complete_words zylox send --ch | tr '\n' ' ')" = "--changed --channel " ] || fail "completion of send's options"
[ "$(complete_words zylox dump --bank s3 | tr '\n' ' ')" = "S30 S31 " ] || fail "completion of bank numbers"

echo "package check: $deb ($(stat -c %s "$deb") bytes) Depends: $depends"
