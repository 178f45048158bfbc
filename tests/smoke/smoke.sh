#!/usr/bin/env bash
# Starts the real program under a virtual X server, waits for its main window, asks it to exit
# with Ctrl+X, answers the exit question with Enter (Yes is the default) and expects a clean end.
set -euo pipefail
program="$1"
export TAVRIN_SMOKE_PROGRAM="$program"
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  # A data folder of its own: recovery copies that another run left are not offered here.
  XDG_DATA_HOME=$(mktemp -d) && export XDG_DATA_HOME
  trap "rm -rf \"\$XDG_DATA_HOME\"" EXIT
  fail() { echo "smoke: $*" >&2; kill "$pid" 2>/dev/null; exit 1; }
  "$TAVRIN_SMOKE_PROGRAM" & pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Tavrin 1\.1$" | head -n 1) \
    || fail "the main window did not appear"
  # Without a window manager a click gives the window the keyboard focus.
  xdotool mousemove --sync --window "$window" 300 200 click 1 key ctrl+x
  question=$(timeout 10 xdotool search --sync --onlyvisible --name "^Tavrin$" | head -n 1) \
    || fail "the exit question did not appear"
  xdotool windowfocus --sync "$question" key Return
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end after Yes"
  wait "$pid" || fail "the program ended with status $?"
  echo "smoke: started, showed \"Tavrin 1.1\", asked \"Exit! Really?\" and ended cleanly"
'
