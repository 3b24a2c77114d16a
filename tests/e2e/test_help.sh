# F1 shows the help text full-screen; Esc closes it without bringing up the
# exit question.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_launch
background=$E2E_BG
e2e_key F1
e2e_wait_pixel 500 4 isnt 10 || e2e_fail "F1 showed no help"
e2e_shot help
# The help box covers the window in its own background colour.
help_bg=$(e2e_pixel 500 4)
[[ "$help_bg" != "$background" ]] || e2e_fail "no help box over the view"
[[ "$(e2e_pixel 560 30)" == "$help_bg" ]] || e2e_fail "the help box does not cover the window"
# Text is drawn in it: the top-left area holds more than one colour.
colours=$(convert x:root -crop 300x40+8+4 -unique-colors txt:- | grep -c '^[0-9]')
(( colours >= 2 )) || e2e_fail "the help box shows no text"
e2e_key Escape
e2e_wait_pixel 500 4 is 10 || e2e_fail "Esc did not close the help"
sleep 0.5
e2e_shot after-help
[[ "$(e2e_pixel 400 100)" == "$background" ]] || e2e_fail "the view did not come back after Esc"
[[ "$(e2e_pixel "${E2E_PROBE[@]}")" == "$background" ]] || e2e_fail "something (the exit question?) is open after Esc"
e2e_running || e2e_fail "the editor ended"
e2e_quit
echo "PASS"
