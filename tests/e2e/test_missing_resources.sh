# Without chared.dat the editor says what is missing, opens no window and
# ends with status 1.
source "$(dirname "$0")/lib.sh"
e2e_setup
# A copy of the editor in a folder of its own, so it cannot find the
# resource files beside the built one either.
mkdir -p "$E2E_TMP/alone"
cp "$CHARED_BIN/chared" "$E2E_TMP/alone/"
(cd "$E2E_TMP/work" && exec "$E2E_TMP/alone/chared") >"$E2E_TMP/chared.log" 2>&1 &
E2E_PID=$!
e2e_wait_exit 10 || e2e_fail "chared kept running without its resources"
[[ "$E2E_STATUS" == 1 ]] || e2e_fail "exit status $E2E_STATUS, not 1"
grep -q "chared.dat" "$E2E_TMP/chared.log" || e2e_fail "the message does not name chared.dat"
[[ -z "$(xdotool search --name '^Sprite Editor$' 2>/dev/null)" ]] || e2e_fail "a window was opened"
cat "$E2E_TMP/chared.log"

# A damaged chared.dat (cut short, so the later images are missing): the
# message names the image that could not be loaded.
head -c 4000 "$CHARED_BIN/chared.dat" >"$E2E_TMP/work/chared.dat"
(cd "$E2E_TMP/work" && exec "$E2E_TMP/alone/chared") >"$E2E_TMP/chared.log" 2>&1 &
E2E_PID=$!
e2e_wait_exit 10 || e2e_fail "chared kept running with a damaged chared.dat"
[[ "$E2E_STATUS" == 1 ]] || e2e_fail "exit status $E2E_STATUS with a damaged chared.dat, not 1"
grep -q -E "cannot load (mouse_corner|tool[0-8])\.pcx" "$E2E_TMP/chared.log" ||
  { cat "$E2E_TMP/chared.log"; e2e_fail "the message does not name the missing image"; }
[[ -z "$(xdotool search --name '^Sprite Editor$' 2>/dev/null)" ]] || e2e_fail "a window was opened"
cat "$E2E_TMP/chared.log"
echo "PASS"
