# New, Save, Open and Exit through their keys, dialogs and file selectors.
source "$(dirname "$0")/lib.sh"
e2e_setup
tool="$CHARED_BIN/chared-tool"
work="$E2E_TMP/work"
e2e_launch

# F2 before any character shows no file selector.
e2e_key F2
e2e_wait_pixel "${E2E_PROBE[@]}" isnt 1 && e2e_fail "F2 without a character showed something"
e2e_shot f2-without-character

# F4, OK: sixteen 16 x 16 slots; F2 as hero.
e2e_key F4
e2e_wait_dialog
e2e_shot new-dialog
e2e_click "${E2E_NEW_OK[@]}"
e2e_wait_no_dialog
e2e_open_selector F2
e2e_shot save-selector
e2e_select_file 0 hero
[[ -f "$work/hero.spr" ]] || e2e_fail "hero.spr was not written"
size=$(stat -c %s "$work/hero.spr")
[[ "$size" == 4756 ]] || e2e_fail "hero.spr is $size bytes, not 4756"
"$tool" new 16 16 "$E2E_TMP/expected.spr"
cmp -s "$work/hero.spr" "$E2E_TMP/expected.spr" || e2e_fail "hero.spr is not the File > New character"
"$tool" info "$work/hero.spr" >"$E2E_TMP/hero.json" || e2e_fail "the data layer refuses hero.spr"
[[ $(grep -c '"present": true, "w": 16, "h": 16, "f": 1, "d": 1' "$E2E_TMP/hero.json") == 16 ]] ||
  e2e_fail "hero.spr does not hold 16 one-frame 16 x 16 slots"

# New with 24 x 32, saved under a name with another extension: big.spr.
e2e_new_character 24 32
e2e_open_selector F2
e2e_select_file 8 big.txt
[[ -f "$work/big.spr" ]] || e2e_fail "saving as big.txt did not write big.spr"
[[ $(grep -c '"box": {"x": 0, "y": 0, "w": 24, "h": 32}' < <("$tool" info "$work/big.spr")) == 16 ]] ||
  e2e_fail "big.spr boxes are not (0, 0, 24, 32)"

# A corrupt file is refused with a message and the open character stays.
head -c 300 /dev/urandom >"$work/bad.spr"
printf '\x11\x00\x00\x00' | dd of="$work/bad.spr" conv=notrunc status=none
e2e_open_selector F3
e2e_select_file 7 bad.spr
e2e_wait_dialog 10 "a refused file gave no message"
e2e_shot open-refused
e2e_key Return
e2e_wait_no_dialog
e2e_open_selector F2
e2e_select_file 7 after
cmp -s "$work/big.spr" "$work/after.spr" || e2e_fail "the character changed after a refused open"

# F3 opens hero.spr again: saving it gives the same bytes.
e2e_open_selector F3
e2e_select_file 9 hero.spr
e2e_open_selector F2
e2e_select_file 8 again
cmp -s "$work/hero.spr" "$work/again.spr" || e2e_fail "hero.spr did not open again"

# Esc asks; No keeps the editor running; Yes ends it with status 0.
e2e_key Escape
e2e_wait_dialog 10 "Esc brought no exit question"
e2e_shot exit-question
e2e_click 350 255
e2e_wait_no_dialog 10 "No did not close the exit question"
e2e_running || e2e_fail "No at the exit question ended the editor"
e2e_quit
echo "PASS"
