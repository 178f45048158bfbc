#!/usr/bin/env bash
# Starts the real program under a virtual X server and checks that it comes up and stays up.
set -euo pipefail
program="$1"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  \"$program\" & pid=\$!
  sleep 3
  kill -0 \$pid
  kill \$pid; wait \$pid || true
"
