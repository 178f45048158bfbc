#!/usr/bin/env bash
# Installs the build tree into a scratch prefix and checks what lands there: the program, the help
# file in the data directory where the program looks for it, a valid desktop entry and the icon.
# Then starts the installed program under a virtual X server and checks that it stays up.
# Usage: check_install.sh CMAKE BUILD_DIR [BINDIR [DATADIR]]
set -euo pipefail
cmake_command="$1"
build_dir="$2"
bindir="${3:-bin}"
datadir="${4:-share}"

fail() {
  echo "check_install: $*" >&2
  exit 1
}

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
"$cmake_command" --install "$build_dir" --prefix "$prefix" >/dev/null

program="$prefix/$bindir/tavrin"
help_file="$prefix/$datadir/tavrin/tav.hlp"
desktop="$prefix/$datadir/applications/tavrin.desktop"
icon="$prefix/$datadir/icons/hicolor/scalable/apps/tavrin.svg"

[ -x "$program" ] || fail "no program at $bindir/tavrin"
[ -f "$help_file" ] || fail "no help file at $datadir/tavrin/tav.hlp"
for topic in contents 20 50 60 70; do
  grep -q "^@topic $topic " "$help_file" || fail "the help file has no topic $topic"
done
[ -f "$desktop" ] || fail "no desktop entry at $datadir/applications/tavrin.desktop"
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
grep -qx 'Exec=tavrin' "$desktop" || fail "the desktop entry does not start tavrin"
grep -qx 'Icon=tavrin' "$desktop" || fail "the desktop entry does not name the tavrin icon"
[ -s "$icon" ] || fail "no icon at $datadir/icons/hicolor/scalable/apps/tavrin.svg"
grep -q '<svg' "$icon" || fail "the icon is not an SVG image"

# The installed program comes up on a real (virtual) display and keeps running.
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" & pid=$!
  sleep 2
  if ! kill -0 "$pid" 2>/dev/null; then
    status=0; wait "$pid" || status=$?
    echo "check_install: the installed program ended early with status $status" >&2
    exit 1
  fi
  kill "$pid"; wait "$pid" || true
' check_install "$program"
echo "check_install: ok"
