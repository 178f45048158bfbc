#!/usr/bin/env bash
# Builds the Debian package into a scratch directory and runs Debian's package checker on it:
# any error or warning fails (the package's own overrides, each with its reason, are honoured).
# Skipped (77) where lintian is not installed; scripts/build installs it.
# Usage: check_lintian.sh CPACK CPACK_CONFIG
set -euo pipefail
cpack_command="$1"
cpack_config="$2"

command -v lintian >/dev/null || { echo "check_lintian: lintian is not installed"; exit 77; }
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
"$cpack_command" -G DEB --config "$cpack_config" -B "$scratch/out" >/dev/null
debs=("$scratch"/out/tavrin_*.deb)
[ -f "${debs[0]}" ] || { echo "check_lintian: cpack made no tavrin package" >&2; exit 1; }
lintian --no-cfg --fail-on error,warning --display-level '>=warning' "${debs[0]}"
echo "check_lintian: ok"
