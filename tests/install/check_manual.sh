#!/usr/bin/env bash
# Checks the manual page: man renders it without a single groff warning, its heading names this
# version, and it describes every option that the program's --help prints.
# Usage: check_manual.sh PAGE PROGRAM VERSION
set -euo pipefail
page="$1"
program="$2"
version="$3"

fail() {
  echo "check_manual: $*" >&2
  exit 1
}

warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -l "$page" 2>&1 >/dev/null)" \
  || fail "man could not render $page"
[ -z "$warnings" ] || fail "man warns about $page:"$'\n'"$warnings"

grep -qE "^\.TH TAVRIN 1 [0-9-]+ \"Tavrin $version\" " "$page" \
  || fail "the heading of $page does not name Tavrin $version"

# Each option of --help (e.g. "  -h, --help") is the tag of a paragraph (the line after .TP).
tags="$(awk 'previous == ".TP" { print } { previous = $0 }' "$page")"
options="$(QT_QPA_PLATFORM=offscreen "$program" --help | grep -oE '^ +-[^ ]+(, --[^ ]+)?')" \
  || fail "$program --help printed no options"
while read -r option; do
  tag="$(sed -e 's/-/\\-/g' -e 's/, / ", " /' <<<"$option")"
  grep -qxF -e ".B $tag" -e ".BR $tag" <<<"$tags" || fail "$page does not describe the option $option"
done <<<"$options"
echo "check_manual: ok"
