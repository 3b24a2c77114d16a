# The window manager's close button asks the exit question: No keeps the
# editor, Yes ends it with status 0.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_launch
"$CHARED_TESTS_BIN/wm_close" "$E2E_WID" || e2e_fail "could not send the close request"
e2e_wait_dialog 10 "no question after the close button"
e2e_shot close-question
e2e_key Escape
e2e_wait_no_dialog 10 "the question did not close"
e2e_running || e2e_fail "the editor ended although the question was answered No"
"$CHARED_TESTS_BIN/wm_close" "$E2E_WID"
e2e_wait_dialog 10 "no question after the second close request"
e2e_key Return
e2e_wait_exit 5 || e2e_fail "Yes after the close button did not end the editor"
[[ "$E2E_STATUS" == 0 ]] || e2e_fail "exit status $E2E_STATUS"
echo "PASS"
