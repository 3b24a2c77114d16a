# Bad values in the New dialog and a save that cannot be written: the user is
# told, and nothing is lost.
source "$(dirname "$0")/lib.sh"
e2e_setup
tool="$CHARED_BIN/chared-tool"
work="$E2E_TMP/work"
e2e_launch

# Unusable sizes: a message, then the dialog again with what was typed.
# (The fields take three characters, so no typed size is above the bound.)
for bad in abc 0 -5 ""; do
  e2e_key F4
  e2e_wait_pixel "${E2E_NEW_CORNER[@]}" isnt 10 || e2e_fail "F4 opened no dialog"
  e2e_set_field "${E2E_NEW_WIDTH[@]}" "$bad"
  e2e_click "${E2E_NEW_OK[@]}"
  # The message is wider than the dialog: it covers the dialog's corner.
  e2e_wait_pixel 200 240 isnt 10 || e2e_fail "width '$bad' was taken without a word"
  e2e_shot "new-refused-${bad:-empty}"
  e2e_key Return   # close the message: the dialog is back
  e2e_wait_pixel 200 240 is 10 || e2e_fail "the message did not close"
  e2e_wait_pixel "${E2E_NEW_CORNER[@]}" isnt 10 || e2e_fail "the dialog did not come back"
  e2e_shot "new-again-${bad:-empty}"
  e2e_click "${E2E_NEW_CANCEL[@]}"
  e2e_wait_no_dialog 10 "the dialog did not close on Cancel"
done
# Still no character: F2 shows nothing.
e2e_key F2
e2e_wait_pixel "${E2E_PROBE[@]}" isnt 1 && e2e_fail "a character exists after refused sizes"

# A valid retry after a refusal is taken.
e2e_key F4
e2e_wait_pixel "${E2E_NEW_CORNER[@]}" isnt 10 || e2e_fail "F4 opened no dialog"
e2e_set_field "${E2E_NEW_WIDTH[@]}" 0
e2e_click "${E2E_NEW_OK[@]}"
e2e_wait_pixel 200 240 isnt 10 || e2e_fail "width 0 was taken without a word"
e2e_key Return
e2e_wait_pixel "${E2E_NEW_CORNER[@]}" isnt 10 || e2e_fail "the dialog did not come back"
e2e_set_field "${E2E_NEW_WIDTH[@]}" 20
e2e_set_field "${E2E_NEW_HEIGHT[@]}" 12
e2e_click "${E2E_NEW_OK[@]}"
e2e_wait_no_dialog
e2e_open_selector F2
e2e_select_file 0 ok
[[ $(grep -c '"w": 20, "h": 12' < <("$tool" info "$work/ok.spr")) == 16 ]] ||
  e2e_fail "the corrected size 20 x 12 was not used"

# A save whose target cannot be written (a folder stands where the file
# would go): a message, and the folder is untouched.
mkdir "$work/taken.spr"
touch "$work/taken.spr/keep"
e2e_open_selector F2
e2e_select_file 6 taken
e2e_wait_dialog 10 "a failed save said nothing"
e2e_shot save-refused
e2e_key Return
e2e_wait_no_dialog
[[ -d "$work/taken.spr" && -f "$work/taken.spr/keep" ]] || e2e_fail "the failed save destroyed what was there"
ls "$work" | grep -v -E '^(chared\.(dat|txt)|ok\.spr|taken\.spr)$' && e2e_fail "a failed save left files behind"
e2e_quit

# Without a display the window cannot open: a message and status 1.
(cd "$work" && DISPLAY= exec "$CHARED_BIN/chared") >"$E2E_TMP/nodisplay.log" 2>&1
status=$?
[[ $status == 1 ]] || e2e_fail "without a display the status is $status, not 1"
grep -q "cannot open a 640x480 window" "$E2E_TMP/nodisplay.log" || { cat "$E2E_TMP/nodisplay.log"; e2e_fail "no message without a display"; }
echo "PASS"
