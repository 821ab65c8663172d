#!/usr/bin/env bash
# Builds the Debian packages zylox and zylox-editor from a build folder into a scratch folder and
# checks them as Debian would: lintian without errors, each package's files and dependencies (zylox
# without Qt), the launcher, the AppStream data and the manual pages valid, then both installed with
# dpkg into an empty root where the launcher must find its program and icon; and the upgrade from
# the one package of 0.1.0, which carried the editor too, to the two, which must keep the editor.
# Usage: check-package.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
cd "$scratch"
fail() { echo "package check: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >cpack.log 2>&1 || { cat cpack.log; fail "cpack failed"; }
tool=(out/zylox_*_amd64.deb)
editor=(out/zylox-editor_*_amd64.deb)
[ ${#tool[@]} -eq 1 ] && [ -f "${tool[0]}" ] || fail "no zylox_<version>_amd64.deb in $(ls out)"
[ ${#editor[@]} -eq 1 ] && [ -f "${editor[0]}" ] || fail "no zylox-editor_<version>_amd64.deb in $(ls out)"
tool=${tool[0]} editor=${editor[0]}
version=$(dpkg-deb -f "$tool" Version)
[ "$(dpkg-deb -f "$editor" Version)" = "$version" ] || fail "the two packages differ in version"

# Each package's files exactly: nothing of the build's own (tests, benchmarks, libraries), and
# nothing of one program in the other's package.
files() { dpkg-deb -c "$1" | awk '{ print $6 }' | grep -v '/$' | sort; }
expect_files() {
  local deb=$1; shift
  diff <(printf './%s\n' "$@" | sort) <(files "$deb") >files.diff || { cat files.diff; fail "$deb: the file list differs (< expected, > packaged)"; }
}
expect_files "$tool" usr/bin/zylox usr/share/man/man1/zylox.1.gz usr/share/bash-completion/completions/zylox \
  usr/share/doc/zylox/copyright usr/share/doc/zylox/changelog.gz
editor_files=(usr/bin/zylox-editor usr/share/applications/zylox-editor.desktop
  usr/share/icons/hicolor/scalable/apps/zylox-editor.svg usr/share/icons/hicolor/48x48/apps/zylox-editor.png
  usr/share/icons/hicolor/128x128/apps/zylox-editor.png usr/share/icons/hicolor/256x256/apps/zylox-editor.png
  usr/share/metainfo/io.github.zylox.Editor.metainfo.xml usr/share/man/man1/zylox-editor.1.gz
  usr/share/zylox-editor/translations/zylox-editor_de.qm usr/share/zylox-editor/translations/zylox-editor_en.qm
  usr/share/zylox-editor/translations/zylox-editor_fr.qm)
expect_files "$editor" "${editor_files[@]}" usr/share/doc/zylox-editor/copyright usr/share/doc/zylox-editor/changelog.gz

# The sound and loudness libraries are opened at run time, so no linker names them: the control files must.
tool_depends=$(dpkg-deb -f "$tool" Depends)
for library in libasound2 libsndfile1 libsoxr0 libsoundtouch1 libebur128-1 libc6 libstdc++6; do
  [[ $tool_depends == *"$library "* ]] || fail "zylox's Depends lacks $library: $tool_depends"
done
[[ $tool_depends != *qt* ]] || fail "zylox depends on Qt: $tool_depends"
editor_depends=$(dpkg-deb -f "$editor" Depends)
for library in "zylox (= $version)" libqt6widgets6 libasound2 libsndfile1 libsoxr0 libsoundtouch1 libebur128-1 libc6; do
  [[ $editor_depends == *"$library"* ]] || fail "zylox-editor's Depends lacks $library: $editor_depends"
done
for field in Breaks Replaces; do
  [ "$(dpkg-deb -f "$editor" $field)" = "zylox (<< 0.2.0)" ] || fail "zylox-editor's $field is not zylox (<< 0.2.0)"
done

lintian --fail-on error --tag-display-limit 0 "$tool" "$editor" >lintian.txt 2>&1 || { cat lintian.txt; fail "lintian reports errors"; }

# An empty root with dpkg's database. It has none of the libraries: the host's stand in for them.
new_root() {
  rm -rf "$1" && mkdir -p "$1/var/lib/dpkg/info" "$1/var/lib/dpkg/updates" && touch "$1/var/lib/dpkg/status"
}
install_into() {
  local root=$1; shift
  dpkg --root="$root" --log=/dev/null --force-depends "$@" >>dpkg.log 2>&1 || { cat dpkg.log; fail "dpkg --root $* failed"; }
}
root=$scratch/root
new_root "$root"
install_into "$root" --install "$tool" "$editor"

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
# Without a display, as in a package build or over ssh: the version needs none.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/zylox-editor" --version 2>/dev/null |
  grep -qx "zylox-editor [0-9.]*" || fail "the installed zylox-editor does not answer --version"
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

# The upgrade from 0.1.0, whose one package zylox held the editor's files too. A stand-in of it,
# built from the new files, goes into a scratch root first; then the two new packages, once in the
# order dpkg -i is given them (zylox first: its unpacking drops the old package's editor files,
# zylox-editor brings them back) and once editor first, as apt unpacks them (with
# --auto-deconfigure, which the Breaks needs: zylox-editor takes the files over from the old zylox).
old=$scratch/old
mkdir -p "$old/DEBIAN"
for deb in "$tool" "$editor"; do dpkg-deb -x "$deb" "$old"; done
rm -r "$old/usr/share/doc/zylox-editor"
printf '%s\n' 'Package: zylox' 'Version: 0.1.0' 'Architecture: amd64' 'Section: sound' 'Priority: optional' \
  "Maintainer: $(dpkg-deb -f "$tool" Maintainer)" 'Description: sample-memory editor for the ZYLOX 515 drum machine' \
  ' The editor and its command-line companion in one package.' >"$old/DEBIAN/control"
dpkg-deb --root-owner-group --build "$old" zylox_0.1.0_amd64.deb >/dev/null
for order in tool-first editor-first; do
  upgraded=$scratch/upgrade-$order
  new_root "$upgraded"
  install_into "$upgraded" --install zylox_0.1.0_amd64.deb
  [ "$(dpkg --root="$upgraded" -S /usr/bin/zylox-editor)" = "zylox: /usr/bin/zylox-editor" ] ||
    fail "the stand-in of 0.1.0 does not hold the editor"
  if [ $order = tool-first ]; then
    install_into "$upgraded" --install "$tool" "$editor"
  else
    install_into "$upgraded" --auto-deconfigure --install "$editor" "$tool"
  fi
  for package in zylox zylox-editor; do
    [ "$(dpkg-query --admindir="$upgraded/var/lib/dpkg" -W -f='${Status} ${Version}' $package)" = "install ok installed $version" ] ||
      fail "upgrade ($order): $package is not installed at $version"
  done
  for file in "${editor_files[@]}"; do
    [ -f "$upgraded/$file" ] || fail "upgrade ($order): /$file is gone"
    [ "$(dpkg --root="$upgraded" -S "/$file")" = "zylox-editor: /$file" ] ||
      fail "upgrade ($order): /$file is not zylox-editor's: $(dpkg --root="$upgraded" -S "/$file" 2>&1)"
  done
done

for deb in "$tool" "$editor"; do
  echo "package check: $deb ($(stat -c %s "$deb") bytes) Depends: $(dpkg-deb -f "$deb" Depends)"
done
