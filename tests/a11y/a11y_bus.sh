#!/usr/bin/env bash
# Runs a command in a private desktop session for accessibility: a virtual X server, a session
# D-Bus, and the accessibility bus with its registry as Debian's at-spi2-core starts them. The
# command finds the accessibility bus as a desktop program does, through the session bus (and the
# X root window); its address is also in A11Y_BUS_ADDRESS. (Not in AT_SPI_BUS_ADDRESS: a Qt 6.4
# program given the address that way connects but never registers with the registry.)
#
#   tests/a11y/a11y_bus.sh COMMAND [ARG...]
#
# With A11Y_MONITOR=FILE, every message on the accessibility bus is also recorded into FILE
# (pcap, as dbus-monitor --pcap writes it; tests/a11y/bus_count.py counts it by member).
#
# Example, the measurement of the large pair in the program and in two bare text edits:
#   tests/a11y/a11y_bus.sh /usr/bin/python3 tests/a11y/a11y_client.py build/tavrin_a11y_probe
#   tests/a11y/a11y_bus.sh /usr/bin/python3 tests/a11y/a11y_client.py build/tavrin_a11y_probe --bare
set -euo pipefail

# Exits 77 (a skip for CTest) when a part of the session is not installed.
for tool in xvfb-run dbus-run-session dbus-send dbus-monitor; do
  command -v "$tool" >/dev/null || { echo "a11y_bus.sh: $tool missing" >&2; exit 77; }
done
if [ -z "${TAVRIN_A11Y_INSIDE:-}" ]; then
  # The X server first, then a session bus of our own inside it.
  export TAVRIN_A11Y_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi

[ -x /usr/libexec/at-spi-bus-launcher ] ||
  { echo "a11y_bus.sh: at-spi-bus-launcher missing (package at-spi2-core)" >&2; exit 77; }
monitor_pid=""
cleanup() {
  if [ -n "$monitor_pid" ]; then kill "$monitor_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
}
trap cleanup EXIT

# Asking the session bus for the accessibility bus starts at-spi-bus-launcher (a service of the
# session bus), which starts the accessibility bus; both end with the session bus.
address=""
for _ in $(seq 50); do
  address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
              org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ') || true
  [ -n "$address" ] && break
  sleep 0.1
done
[ -n "$address" ] || { echo "a11y_bus.sh: the accessibility bus did not start" >&2; exit 2; }
export A11Y_BUS_ADDRESS="$address"
# The registry (at-spi2-registryd) is a service of the accessibility bus, started on its first
# use: use it now, so that the command starts on a complete bus.
dbus-send --bus="$address" --print-reply --dest=org.a11y.atspi.Registry \
  /org/a11y/atspi/accessible/root org.freedesktop.DBus.Properties.Get \
  string:org.a11y.atspi.Accessible string:Name >/dev/null

if [ -n "${A11Y_MONITOR:-}" ]; then
  dbus-monitor --address "$address" --pcap >"$A11Y_MONITOR" &
  monitor_pid=$!
  sleep 0.3
fi

status=0
"$@" || status=$?
exit "$status"
