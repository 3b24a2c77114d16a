# The Layout view: dragging the bottom-right peg changes the box of every
# slot, or of the selected slot alone with Left Ctrl held; the change is
# unsaved work that the exit question knows about.
source "$(dirname "$0")/lib.sh"
e2e_setup
tool="$CHARED_BIN/chared-tool"
work="$E2E_TMP/work"

# Drags with the left button from window (x, y) by (dx, dy) in four moves.
drag() {
  local x=$1 y=$2 dx=$3 dy=$4 i
  xdotool mousemove --window "$E2E_WID" "$x" "$y"; sleep 0.2
  xdotool mousedown 1; sleep 0.2
  for i in 1 2 3 4; do
    xdotool mousemove --window "$E2E_WID" $((x + dx * i / 4)) $((y + dy * i / 4)); sleep 0.1
  done
  sleep 0.2
  xdotool mouseup 1; sleep 0.3
}

# Every slot's box of a saved character, one "x y w h" line per slot.
boxes() {
  "$tool" info "$1" | grep -o '"box": {[^}]*}' | tr -dc '0-9 \n-' | tr -s ' ' | sed 's/^ //'
}

expect_boxes() {
  local file=$1 want=$2 got
  got=$(boxes "$file" | tr '\n' '|')
  [[ "$got" == "$want" ]] || e2e_fail "$file boxes: $got, expected $want"
}

repeat() { local i; for ((i = 0; i < $2; i++)); do printf '%s|' "$1"; done; }

# The middle of the window, where the exit question appears.
alert_part() { convert "$1" -crop 320x120+160+180 +repage "$2"; }

e2e_launch
e2e_new_character
e2e_key Tab; sleep 0.4
e2e_shot layout-view

# The bottom-right peg of the 16 x 16 box sits on view (45..49), its
# centre on window (94..95): pointing there shows the peg pointer.
xdotool mousemove --window "$E2E_WID" 95 95; sleep 0.3
e2e_shot pointer-over-peg

# Tab to the Animation view with the pointer still there: it shows the arrow,
# not the crosshair, which it would draw 8 view pixels off (the crosshair's
# right arm would reach window (126, 110)).
e2e_key Tab; sleep 0.4
e2e_shot pointer-after-tab
[[ "$(e2e_pixel 126 110)" == "$E2E_BG" ]] || e2e_fail "the Animation view shows the Layout view's crosshair"
e2e_key Tab; sleep 0.4
xdotool mousemove --window "$E2E_WID" 95 95; sleep 0.3

# Ten view pixels right and down: every slot gets the box (0, 0, 26, 26).
drag 95 95 20 20
e2e_shot after-drag
e2e_open_selector F2
e2e_select_file 0 all
[[ -f "$work/all.spr" ]] || e2e_fail "all.spr was not written"
expect_boxes "$work/all.spr" "$(repeat '0 0 26 26' 16)"

# Slot 1, Left Ctrl held, four view pixels back: only slot 1 changes.
e2e_key Right; sleep 0.3
xdotool keydown Control_L; sleep 0.2
drag 115 115 -8 -8
xdotool keyup Control_L; sleep 0.3
e2e_shot after-ctrl-drag

# The edit is unsaved: the exit question differs from the one after saving.
xdotool mousemove --window "$E2E_WID" 600 400; sleep 0.3
e2e_key Escape
e2e_wait_dialog 10 "Esc brought no exit question"
e2e_shot exit-question-unsaved
e2e_click 350 255
e2e_wait_no_dialog 10 "No did not close the exit question"
e2e_running || e2e_fail "No at the exit question ended the editor"

e2e_open_selector F2
e2e_select_file 7 one
expect_boxes "$work/one.spr" "0 0 26 26|0 0 22 22|$(repeat '0 0 26 26' 14)"

xdotool mousemove --window "$E2E_WID" 600 400; sleep 0.3
e2e_quit
alert_part "$E2E_SHOTS/exit-question-unsaved.png" "$E2E_TMP/unsaved.png"
alert_part "$E2E_SHOTS/last-question.png" "$E2E_TMP/saved.png"
differ=$(compare -metric AE "$E2E_TMP/unsaved.png" "$E2E_TMP/saved.png" null: 2>&1 || true)
(( ${differ%% *} > 50 )) || e2e_fail "the exit question is the same with and without unsaved work ($differ)"
echo "PASS"
