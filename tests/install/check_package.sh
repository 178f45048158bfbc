#!/usr/bin/env bash
# Builds the Debian package into a scratch directory and checks it: the files a desktop needs,
# the manual page, Debian's copyright file and changelog, the dependencies and maintainer, and
# maintainer scripts that refresh the desktop's program list and icon cache on install and
# removal when the tools for that are there (and only then).
# Usage: check_package.sh CPACK CPACK_CONFIG
set -euo pipefail
cpack_command="$1"
cpack_config="$2"

fail() {
  echo "check_package: $*" >&2
  exit 1
}

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
"$cpack_command" -G DEB --config "$cpack_config" -B "$scratch/out" >/dev/null \
  || fail "cpack could not build the package"
debs=("$scratch"/out/tavrin_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no tavrin package"
deb="${debs[0]}"

contents="$(dpkg-deb --contents "$deb" | awk '{print $NF}')"
for file in bin/tavrin share/tavrin/tav.hlp share/applications/tavrin.desktop \
  share/doc/tavrin/copyright share/doc/tavrin/changelog.gz share/man/man1/tavrin.1.gz \
  'share/metainfo/[^/]*.metainfo.xml' share/icons/hicolor/scalable/apps/tavrin.svg \
  share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/tavrin.png; do
  grep -qx "\./usr/$file" <<<"$contents" || fail "the package does not hold /usr/$file"
done
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' \
  || fail "the package does not depend on the Qt widgets runtime"
dpkg-deb --field "$deb" Maintainer | grep -qE '^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$' \
  || fail "the package's maintainer is not a name and an address"

# Each maintainer script runs with stand-ins for the tools that record how they were called.
dpkg-deb --control "$deb" "$scratch/control"
tools="$scratch/tools"
mkdir "$tools"
for tool in update-desktop-database gtk-update-icon-cache; do
  printf '#!/bin/sh\necho "${0##*/} $*" >>"%s/calls"\n' "$scratch" >"$tools/$tool"
  chmod +x "$tools/$tool"
done
expected=$'update-desktop-database -q\ngtk-update-icon-cache -q -t -f /usr/share/icons/hicolor'
for call in "postinst configure" "postrm remove" "postrm purge"; do
  read -r script action <<<"$call"
  [ -x "$scratch/control/$script" ] || fail "the package has no $script script"
  rm -f "$scratch/calls"
  PATH="$tools" /bin/sh "$scratch/control/$script" "$action" || fail "$call failed"
  [ "$(cat "$scratch/calls" 2>/dev/null)" = "$expected" ] \
    || fail "$call did not refresh the desktop database and the icon cache"
  # Without the tools the script quietly does nothing and still succeeds.
  output="$(PATH="$scratch/none" /bin/sh "$scratch/control/$script" "$action" 2>&1)" \
    || fail "$call failed without the tools"
  [ -z "$output" ] || fail "$call without the tools said: $output"
done
echo "check_package: ok"
