#!/usr/bin/env bash
# Installs the build tree into a scratch prefix and checks what lands there: the program, the help
# file in the data directory where the program looks for it, a valid desktop entry, the icons
# and valid AppStream data.
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
# The program keeps recovery copies under the user's data folder: a folder of its own here, so that
# copies left by other runs are never offered at these starts.
export XDG_DATA_HOME="$prefix/data-home"
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
grep -qx 'Exec=tavrin %F' "$desktop" || fail "the desktop entry does not start tavrin with files"
grep -qx 'Icon=tavrin' "$desktop" || fail "the desktop entry does not name the tavrin icon"
# The desktop offers the program for C++ headers (.h is text/x-chdr) and sources.
update-desktop-database "$prefix/$datadir/applications"
for type in text/x-c++hdr text/x-c++src text/x-chdr; do
  grep -q "^$type=.*tavrin\.desktop" "$prefix/$datadir/applications/mimeinfo.cache" \
    || fail "the desktop entry does not open $type"
done
[ -s "$icon" ] || fail "no icon at $datadir/icons/hicolor/scalable/apps/tavrin.svg"
grep -q '<svg' "$icon" || fail "the icon is not an SVG image"
# Beside the scalable icon, a PNG of each fixed size of the theme, drawn at that size.
for size in 16 22 24 32 48 64 128 256; do
  png="$datadir/icons/hicolor/${size}x${size}/apps/tavrin.png"
  [ -f "$prefix/$png" ] || fail "no icon at $png"
  file -b "$prefix/$png" | grep -q "^PNG image data, $size x $size," \
    || fail "$png is not a $size x $size PNG image: $(file -b "$prefix/$png")"
done

metainfo=("$prefix/$datadir"/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] && [ ${#metainfo[@]} -eq 1 ] || fail "no AppStream file in $datadir/metainfo"
appstreamcli validate --no-net "${metainfo[0]}" || fail "the AppStream data does not validate"
grep -q '<launchable type="desktop-id">tavrin.desktop</launchable>' "${metainfo[0]}" \
  || fail "the AppStream data does not launch the desktop entry"

# The installed program comes up on a real (virtual) display, keeps running, and finds its help:
# F1 opens the help viewer at the contents (a missing help file would show a message instead).
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  fail() { echo "check_install: $*" >&2; kill "$pid" 2>/dev/null; exit 1; }
  "$1" & pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Tavrin 1\.1$" | head -n 1) \
    || fail "the installed program showed no main window"
  kill -0 "$pid" 2>/dev/null || fail "the installed program ended early"
  xdotool mousemove --sync --window "$window" 300 200 click 1 key F1
  timeout 10 xdotool search --sync --onlyvisible --name "^Tavrin Help - " >/dev/null \
    || fail "the installed program did not find its help file"
  kill "$pid"; wait "$pid" || true
' check_install "$program"

# Started with a header file, the installed program opens that class: Ctrl+S then saves the pair
# (writing CR LF line breaks) and confirms it in a message box.
classes="$prefix/classes"
mkdir -p "$classes"
printf '// Shape.h\nclass Shape\n{\npublic:\n};\n' >"$classes/Shape.h"
printf '// Shape.cpp\nShape::Shape()\n' >"$classes/Shape.cpp"
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  fail() { echo "check_install: $*" >&2; kill "$pid" 2>/dev/null; exit 1; }
  (cd "$2" && exec "$1" Shape.h) & pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Tavrin 1\.1$" | head -n 1) \
    || fail "the installed program showed no main window"
  xdotool mousemove --sync --window "$window" 300 200 click 1 key ctrl+s
  timeout 10 xdotool search --sync --onlyvisible --name "^Tavrin$" >/dev/null \
    || fail "the class named on the command line was not open to be saved"
  kill "$pid"; wait "$pid" || true
' check_install "$program" "$classes"
grep -q $'^class Shape\r$' "$classes/Shape.h" || fail "the class named on the command line was not saved"
echo "check_install: ok"
