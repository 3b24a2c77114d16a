# End-to-end harness: the real editor under Xvfb, driven with xdotool.
# Source it from a test script; everything it starts is stopped on exit.
#
#   e2e_setup                 Xvfb on a free display, a fresh work folder
#   e2e_launch [args...]      start chared there, wait for its window
#   e2e_key KEY [KEY...]      hold each key ~80 ms (the editor polls at 60 Hz)
#   e2e_type TEXT             type characters one by one
#   e2e_click X Y [BUTTON]    click at window coordinates
#   e2e_shot NAME             screenshot into $E2E_SHOTS/NAME.png
#   e2e_wait_exit SECONDS     wait for chared to end; sets E2E_STATUS
#   e2e_pixel X Y             colour of a screen pixel as "r,g,b"
#   e2e_fail MESSAGE          print, keep the screenshots, exit 1
set -u

: "${CHARED_BIN:?CHARED_BIN must name the folder with chared and its resources}"
E2E_SHOTS=${E2E_SHOTS:-$PWD/e2e-shots}
E2E_TMP=""
E2E_XVFB_PID=""
E2E_PID=""
E2E_WID=""
E2E_STATUS=""

e2e_cleanup() {
  if [[ -n "$E2E_PID" ]] && kill -0 "$E2E_PID" 2>/dev/null; then
    kill "$E2E_PID" 2>/dev/null; sleep 0.3; kill -9 "$E2E_PID" 2>/dev/null
  fi
  if [[ -n "$E2E_XVFB_PID" ]]; then
    kill "$E2E_XVFB_PID" 2>/dev/null; wait "$E2E_XVFB_PID" 2>/dev/null
  fi
  [[ -n "$E2E_TMP" ]] && rm -rf "$E2E_TMP"
  return 0
}

e2e_fail() {
  echo "FAIL: $*" >&2
  [[ -n "$E2E_TMP" && -f "$E2E_TMP/chared.log" ]] && { echo "--- chared output:" >&2; cat "$E2E_TMP/chared.log" >&2; }
  exit 1
}

e2e_setup() {
  trap e2e_cleanup EXIT
  E2E_TMP=$(mktemp -d)
  mkdir -p "$E2E_TMP/work" "$E2E_TMP/home" "$E2E_SHOTS"
  # Sound goes to ALSA's null device: no card is needed and none is noisy.
  printf 'pcm.!default { type null }\n' >"$E2E_TMP/home/.asoundrc"
  export HOME="$E2E_TMP/home"
  local n
  for n in $(seq 70 250); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    Xvfb ":$n" -screen 0 800x600x24 -nolisten tcp >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$E2E_XVFB_PID" 2>/dev/null; wait "$E2E_XVFB_PID" 2>/dev/null
    E2E_XVFB_PID=""
  done
  e2e_fail "no free display for Xvfb"
}

# Copies the resource files into the work folder unless told not to
# (E2E_NO_RESOURCES=1), then starts the editor there.
e2e_start() {
  if [[ "${E2E_NO_RESOURCES:-0}" != 1 ]]; then
    cp "$CHARED_BIN/chared.dat" "$CHARED_BIN/chared.txt" "$E2E_TMP/work/"
  fi
  (cd "$E2E_TMP/work" && exec "$CHARED_BIN/chared" "$@") >"$E2E_TMP/chared.log" 2>&1 &
  E2E_PID=$!
}

e2e_launch() {
  e2e_start "$@"
  local i
  for i in $(seq 1 100); do
    E2E_WID=$(xdotool search --name '^Sprite Editor$' 2>/dev/null | head -n 1)
    if [[ -n "$E2E_WID" ]]; then
      # Without a window manager the keyboard follows the pointer.
      xdotool mousemove --window "$E2E_WID" 600 400
      sleep 0.5
      return 0
    fi
    kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "chared ended before its window appeared"
    sleep 0.1
  done
  e2e_fail "no window named 'Sprite Editor' after 10 s"
}

e2e_key() {
  local k
  for k in "$@"; do
    xdotool keydown "$k"; sleep 0.08; xdotool keyup "$k"; sleep 0.15
  done
}

e2e_type() {
  local text=$1 i c
  for ((i = 0; i < ${#text}; i++)); do
    c=${text:i:1}
    case "$c" in
      ' ') c=space ;; '-') c=minus ;; '.') c=period ;; '/') c=slash ;; '_') c=underscore ;;
    esac
    e2e_key "$c"
  done
}

e2e_click() {
  xdotool mousemove --window "$E2E_WID" "$1" "$2"; sleep 0.1
  xdotool mousedown "${3:-1}"; sleep 0.08; xdotool mouseup "${3:-1}"; sleep 0.15
}

e2e_shot() {
  import -window root "$E2E_SHOTS/$1.png"
}

e2e_pixel() {
  convert "x:root[1x1+$1+$2]" -depth 8 txt:- 2>/dev/null | tail -n 1 |
    sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

e2e_wait_exit() {
  local i limit=$(( ${1:-5} * 10 ))
  for ((i = 0; i < limit; i++)); do
    if ! kill -0 "$E2E_PID" 2>/dev/null; then
      wait "$E2E_PID"; E2E_STATUS=$?; E2E_PID=""; return 0
    fi
    sleep 0.1
  done
  E2E_STATUS=""
  return 1
}

e2e_running() { [[ -n "$E2E_PID" ]] && kill -0 "$E2E_PID" 2>/dev/null; }

# The window's title as the window manager would show it.
e2e_window_title() { xdotool getwindowname "$E2E_WID"; }

# Geometry of the centred "New Character" dialog (160 x 80 in the middle of
# the 640 x 480 window).
E2E_NEW_OK=(284 264)
E2E_NEW_CANCEL=(356 264)
E2E_NEW_WIDTH=(326 228)
E2E_NEW_HEIGHT=(326 244)

# Replaces the text of an edit field: click into it, go to its end, erase.
e2e_set_field() {
  e2e_click "$1" "$2"
  e2e_key End BackSpace BackSpace BackSpace BackSpace
  e2e_type "$3"
}

# In a file selector that shows the last path, erases N characters and types
# a name, then confirms with Enter.
e2e_select_file() {
  local n=$1 name=$2 i
  for ((i = 0; i < n; i++)); do e2e_key BackSpace; done
  e2e_type "$name"
  e2e_key Return
  sleep 0.5
}

e2e_new_character() {
  e2e_key F4; sleep 0.4
  if [[ $# -eq 2 ]]; then
    e2e_set_field "${E2E_NEW_WIDTH[@]}" "$1"
    e2e_set_field "${E2E_NEW_HEIGHT[@]}" "$2"
  fi
  e2e_click "${E2E_NEW_OK[@]}"; sleep 0.3
}

e2e_quit() {
  e2e_key Escape; sleep 0.4
  e2e_shot last-question
  e2e_key Return
  e2e_wait_exit 5 || e2e_fail "chared did not end after Esc, Yes"
  [[ "$E2E_STATUS" == 0 ]] || e2e_fail "exit status $E2E_STATUS"
}

# Presses Esc until no menu bar covers the top of the window (menus close
# one level or all at once depending on where the pointer is).
e2e_close_menus() {
  local bg i
  bg=$(e2e_pixel 400 100)
  # A pointer resting on the bar keeps it open.
  xdotool mousemove --window "$E2E_WID" 600 400; sleep 0.2
  for i in 1 2 3 4; do
    [[ "$(e2e_pixel 24 4)" == "$bg" && "$(e2e_pixel 40 4)" == "$bg" && "$(e2e_pixel 60 20)" == "$bg" ]] && return 0
    e2e_key Escape; sleep 0.4
  done
  e2e_fail "the menus did not close"
}
