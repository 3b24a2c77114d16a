# The window manager's close button asks the exit question: No keeps the
# editor, Yes ends it with status 0.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_launch
background=$(e2e_pixel 320 240)
"$CHARED_TESTS_BIN/wm_close" "$E2E_WID" || e2e_fail "could not send the close request"
sleep 0.6
e2e_shot close-question
[[ "$(e2e_pixel 320 240)" != "$background" ]] || e2e_fail "no question after the close button"
e2e_key Escape; sleep 0.5
e2e_running || e2e_fail "the editor ended although the question was answered No"
[[ "$(e2e_pixel 320 240)" == "$background" ]] || e2e_fail "the question did not close"
"$CHARED_TESTS_BIN/wm_close" "$E2E_WID"
sleep 0.6
e2e_key Return
e2e_wait_exit 5 || e2e_fail "Yes after the close button did not end the editor"
[[ "$E2E_STATUS" == 0 ]] || e2e_fail "exit status $E2E_STATUS"
echo "PASS"
