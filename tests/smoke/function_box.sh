#!/usr/bin/env bash
# The function box of the real program under a virtual X server, driven with real clicks and keys:
# a new class "Pt", then a choice from the box in each of the ways a user comes to it. Every
# choice must select the entry's head line in the source pane, so the text typed after it
# replaces that line; the saved source shows which choices landed, in order.
#
#   tests/smoke/function_box.sh build/tavrin
#
# The virtual X server takes the first free display number, or TAVRIN_X_DISPLAY when set.
set -euo pipefail
program=$(realpath "$1")
export TAVRIN_SMOKE_PROGRAM="$program"
if [ -n "${TAVRIN_X_DISPLAY:-}" ]; then
  server=(-n "$TAVRIN_X_DISPLAY")
else
  server=(-a)
fi
exec xvfb-run "${server[@]}" -s "-screen 0 1280x1024x24" bash -c '
  set -u
  work=$(mktemp -d)
  # A data folder of its own: recovery copies that another run left are not offered here.
  export XDG_DATA_HOME="$work/data"
  trap "rm -rf \"\$work\"" EXIT
  fail() { echo "function_box: $*" >&2; kill "$pid" 2>/dev/null; exit 1; }
  cd "$work"
  "$TAVRIN_SMOKE_PROGRAM" & pid=$!
  main=$(timeout 20 xdotool search --sync --onlyvisible --name "^Tavrin 1\.1$" | head -n 1) \
    || fail "the main window did not appear"
  sleep 0.3

  # Points of the main window (window coordinates). The tool bar lies under the menu bar, whose
  # height depends on the font: 38 is inside the 21 pixels of the box for any bar of 12 to 31.
  arrow=(577 38)         # the box'"'"'s drop-down arrow, at its right end
  box_text=(300 38)      # the box'"'"'s edit field
  source_pane=(100 260)  # inside the class window'"'"'s source pane
  workspace=(500 300)    # the empty workspace right of the class window
  click() { xdotool mousemove --sync --window "$main" "$1" "$2" click 1; }

  eval "$(xdotool getwindowgeometry --shell "$main")"
  list_left=$((X + 208))
  # The dropped-down list: a window of its own that starts at the box'"'"'s left edge.
  dropped() {
    local w
    for w in $(xdotool search --onlyvisible --name ""); do
      [ "$w" = "$main" ] && continue
      eval "$(xdotool getwindowgeometry --shell "$w")"
      [ "$X" = "$list_left" ] && { echo "$w"; return; }
    done
  }
  # Waits for the list and clicks its entry $1 of $2.
  choose() {
    local list=""
    for _ in $(seq 50); do
      list=$(dropped)
      [ -n "$list" ] && break
      sleep 0.1
    done
    [ -n "$list" ] || fail "$3: the list did not drop down"
    eval "$(xdotool getwindowgeometry --shell "$list")"
    xdotool mousemove --sync $((X + 20)) $((Y + HEIGHT * (2 * $1 - 1) / (2 * $2))) click 1
  }
  # Waits until no list is dropped down.
  folded() {
    for _ in $(seq 50); do
      [ -z "$(dropped)" ] && return
      sleep 0.1
    done
    fail "$1: the list stayed down"
  }
  mark() { sleep 0.3; xdotool type --delay 20 "$1"; }

  # File > New (the blank-sheet button), class "Pt" in the work folder.
  click 20 36
  dialog=$(timeout 10 xdotool search --sync --onlyvisible --name "^New Class$" | head -n 1) \
    || fail "the New Class dialog did not appear"
  xdotool mousemove --sync --window "$dialog" 100 74 click 1 key ctrl+a type Pt
  xdotool mousemove --sync --window "$dialog" 153 244 click 1
  sleep 0.5

  # 1. Right after New: the first click on the arrow drops the list down.
  click "${arrow[@]}"; choose 2 2 "after New"; mark "Pt::~Pt()//1"
  # 2. After a click into the source pane.
  click "${source_pane[@]}"; sleep 0.2
  click "${arrow[@]}"; choose 1 2 "after a pane click"; mark "Pt::Pt()//2"
  # 3. After the list was left with Escape.
  click "${arrow[@]}"; sleep 0.3; xdotool key Escape; folded "Escape"
  click "${arrow[@]}"; choose 2 2 "after Escape"; mark "Pt::~Pt()//3"
  # 4. After the list was left with a click elsewhere.
  click "${arrow[@]}"; sleep 0.3; click "${workspace[@]}"; folded "click elsewhere"
  click "${arrow[@]}"; choose 1 2 "after a click elsewhere"; mark "Pt::Pt()//4"
  # 5. By keyboard: into the box, Alt+Down, Home, Down to the second entry, Enter.
  click "${box_text[@]}"; sleep 0.2
  xdotool key alt+Down; sleep 0.3; xdotool key Home Down Return; mark "Pt::~Pt()//5"

  # Save (Ctrl+S) and confirm the first save'"'"'s message.
  click "${source_pane[@]}"; xdotool key ctrl+s
  saved=$(timeout 10 xdotool search --sync --onlyvisible --name "^Tavrin$" | head -n 1) \
    || fail "the save message did not appear"
  xdotool windowfocus --sync "$saved" key Return
  sleep 0.3
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  [ -f Pt.cpp ] || fail "Pt.cpp was not saved"
  expected=$(printf "Pt::Pt()//4//2\nPt::~Pt()//5//3//1")
  got=$(grep -a "^Pt::" Pt.cpp | tr -d "\r")
  [ "$got" = "$expected" ] || fail "the head lines read
$got
instead of
$expected"
  echo "function_box: every choice selected its head line"
'
