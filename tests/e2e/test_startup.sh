# The editor opens its 640 x 480 window titled "Sprite Editor", shows the
# view background, and leaves on Esc answered Yes with status 0.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_launch
geometry=$(xdotool getwindowgeometry "$E2E_WID" | sed -n 's/.*Geometry: //p')
[[ "$geometry" == 640x480 ]] || e2e_fail "window is $geometry, not 640x480"
[[ "$(e2e_window_title)" == "Sprite Editor" ]] || e2e_fail "title is '$(e2e_window_title)'"
sleep 0.5
e2e_shot startup
# The background is the palette's nearest entry to (0, 64, 128).
IFS=, read -r r g b <<<"$(e2e_pixel 400 100)"
(( r <= 16 && g >= 48 && g <= 80 && b >= 112 && b <= 144 )) ||
  e2e_fail "background pixel is ($r,$g,$b), not close to (0,64,128)"
e2e_quit
echo "PASS"
