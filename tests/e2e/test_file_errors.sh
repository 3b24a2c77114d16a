# Bad values in the New dialog and a save that cannot be written: the user is
# told, and nothing is lost.
source "$(dirname "$0")/lib.sh"
e2e_setup
tool="$CHARED_BIN/chared-tool"
work="$E2E_TMP/work"
e2e_launch
background=$(e2e_pixel 400 100)

# Unusable sizes: a message, then the dialog again with what was typed.
# (The fields take three characters, so no typed size is above the bound.)
for bad in abc 0 -5 ""; do
  e2e_key F4; sleep 0.4
  e2e_set_field "${E2E_NEW_WIDTH[@]}" "$bad"
  e2e_click "${E2E_NEW_OK[@]}"; sleep 0.4
  e2e_shot "new-refused-${bad:-empty}"
  [[ "$(e2e_pixel 320 240)" != "$background" ]] || e2e_fail "width '$bad' was taken without a word"
  e2e_key Return; sleep 0.4   # close the message: the dialog is back
  e2e_shot "new-again-${bad:-empty}"
  e2e_click "${E2E_NEW_CANCEL[@]}"; sleep 0.4
  [[ "$(e2e_pixel 320 240)" == "$background" ]] || e2e_fail "the dialog did not close on Cancel"
done
# Still no character: F2 shows nothing.
e2e_key F2; sleep 0.4
[[ "$(e2e_pixel 320 240)" == "$background" ]] || e2e_fail "a character exists after refused sizes"

# A valid retry after a refusal is taken.
e2e_key F4; sleep 0.4
e2e_set_field "${E2E_NEW_WIDTH[@]}" 0
e2e_click "${E2E_NEW_OK[@]}"; sleep 0.4
e2e_key Return; sleep 0.4
e2e_set_field "${E2E_NEW_WIDTH[@]}" 20
e2e_set_field "${E2E_NEW_HEIGHT[@]}" 12
e2e_click "${E2E_NEW_OK[@]}"; sleep 0.4
e2e_key F2; sleep 0.5
e2e_select_file 0 ok
[[ $(grep -c '"w": 20, "h": 12' < <("$tool" info "$work/ok.spr")) == 16 ]] ||
  e2e_fail "the corrected size 20 x 12 was not used"

# A save whose target cannot be written (a folder stands where the file
# would go): a message, and the folder is untouched.
mkdir "$work/taken.spr"
touch "$work/taken.spr/keep"
e2e_key F2; sleep 0.5
e2e_select_file 6 taken
e2e_shot save-refused
[[ "$(e2e_pixel 320 240)" != "$background" ]] || e2e_fail "a failed save said nothing"
e2e_key Return; sleep 0.4
[[ -d "$work/taken.spr" && -f "$work/taken.spr/keep" ]] || e2e_fail "the failed save destroyed what was there"
ls "$work" | grep -v -E '^(chared\.(dat|txt)|ok\.spr|taken\.spr)$' && e2e_fail "a failed save left files behind"
e2e_quit

# Without a display the window cannot open: a message and status 1.
(cd "$work" && DISPLAY= exec "$CHARED_BIN/chared") >"$E2E_TMP/nodisplay.log" 2>&1
status=$?
[[ $status == 1 ]] || e2e_fail "without a display the status is $status, not 1"
grep -q "cannot open a 640x480 window" "$E2E_TMP/nodisplay.log" || { cat "$E2E_TMP/nodisplay.log"; e2e_fail "no message without a display"; }
echo "PASS"
