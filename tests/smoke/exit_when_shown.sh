#!/usr/bin/env bash
# TAVRIN_EXIT_WHEN_SHOWN=1 (for start-up measurements) ends the real program as soon as its main
# window is shown: with status 0, without a question and without waiting for input.
set -euo pipefail
program="$1"
QT_QPA_PLATFORM=offscreen TAVRIN_EXIT_WHEN_SHOWN=1 timeout 20 "$program" >/dev/null 2>&1 || {
  echo "exit_when_shown: the program did not end by itself with status 0 (status $?)" >&2
  exit 1
}
echo "exit_when_shown: shown and ended"
