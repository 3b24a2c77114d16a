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
E2E_BG=""

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
  [[ -n "${DISPLAY:-}" && -n "$E2E_BG" ]] && echo "(view background $E2E_BG, probe pixel $(e2e_pixel "${E2E_PROBE[@]}"))" >&2
  [[ -n "${DISPLAY:-}" ]] && e2e_shot "failed-$(basename "$0" .sh)"
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
  # Xvfb picks a free display itself and says which once it is ready, so
  # tests running side by side never share one.
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  local i n
  for i in $(seq 1 100); do
    n=$(tr -dc '0-9' <"$E2E_TMP/display")
    if [[ -n "$n" ]]; then
      export DISPLAY=":$n"
      xdpyinfo >/dev/null 2>&1 && return 0
    fi
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  cat "$E2E_TMP/xvfb.log" >&2
  e2e_fail "Xvfb did not start"
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
      # The first redraw paints the view background; remember its colour.
      local j
      for j in $(seq 1 50); do
        E2E_BG=$(e2e_pixel 400 100)
        [[ -n "$E2E_BG" && "$E2E_BG" != "0,0,0" ]] && break
        sleep 0.1
      done
      sleep 0.3
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

# Waits until the pixel at X Y is (is) or is not (isnt) the view background
# seen at launch. Fails after SECONDS.
# Dialogs, selectors and alerts are drawn in the middle of the window, so
# their coming and going shows at the probe point, a little up and left of
# the centre: Allegro's alerts put the pointer on their buttons below it.
E2E_PROBE=(250 215)
e2e_wait_pixel() {
  local x=$1 y=$2 want=$3 secs=${4:-10} i p
  for ((i = 0; i < secs * 10; i++)); do
    p=$(e2e_pixel "$x" "$y")
    if [[ $want == is && "$p" == "$E2E_BG" ]] || [[ $want == isnt && "$p" != "$E2E_BG" ]]; then
      sleep 0.15  # let the GUI finish drawing and start reading input
      return 0
    fi
    sleep 0.1
  done
  return 1
}
e2e_wait_dialog() { e2e_wait_pixel "${E2E_PROBE[@]}" isnt "${1:-10}" || e2e_fail "${2:-no dialog appeared}"; }
e2e_wait_no_dialog() { e2e_wait_pixel "${E2E_PROBE[@]}" is "${1:-10}" || e2e_fail "${2:-the dialog did not close}"; }

# Geometry of the centred "New Character" dialog (160 x 80 in the middle of
# the 640 x 480 window) and of the centred 320 x 240 file selector.
E2E_NEW_OK=(284 264)
E2E_NEW_CANCEL=(356 264)
E2E_NEW_WIDTH=(326 228)
E2E_NEW_HEIGHT=(326 244)
E2E_NEW_CORNER=(250 206)
E2E_SELECTOR_CORNER=(170 130)

# Replaces the text of an edit field: click into it, go to its end, erase.
e2e_set_field() {
  e2e_click "$1" "$2"
  e2e_key End BackSpace BackSpace BackSpace BackSpace
  e2e_type "$3"
}

# Presses KEY and waits for the file selector it opens.
e2e_open_selector() {
  e2e_key "$1"
  e2e_wait_pixel "${E2E_SELECTOR_CORNER[@]}" isnt 10 || e2e_fail "$1 opened no file selector"
}

# In the open file selector, which shows the last path, erases N characters,
# types a name and confirms with Enter; returns once the selector is gone
# (an alert may follow it).
e2e_select_file() {
  local n=$1 name=$2 i
  for ((i = 0; i < n; i++)); do e2e_key BackSpace; done
  e2e_type "$name"
  e2e_key Return
  e2e_wait_pixel "${E2E_SELECTOR_CORNER[@]}" is 10 || e2e_fail "the file selector did not close"
  sleep 0.3
}

# Opens the New dialog, optionally types width and height, confirms.
e2e_new_character() {
  e2e_key F4
  e2e_wait_pixel "${E2E_NEW_CORNER[@]}" isnt 10 || e2e_fail "F4 opened no dialog"
  if [[ $# -eq 2 ]]; then
    e2e_set_field "${E2E_NEW_WIDTH[@]}" "$1"
    e2e_set_field "${E2E_NEW_HEIGHT[@]}" "$2"
  fi
  e2e_click "${E2E_NEW_OK[@]}"
  e2e_wait_no_dialog 10 "the New dialog did not close"
}

e2e_quit() {
  e2e_key Escape
  e2e_wait_dialog 10 "Esc brought no exit question"
  e2e_shot last-question
  e2e_key Return
  e2e_wait_exit 10 || e2e_fail "chared did not end after Esc, Yes"
  [[ "$E2E_STATUS" == 0 ]] || e2e_fail "exit status $E2E_STATUS"
}

# Presses Esc until no menu bar covers the top of the window (menus close
# one level or all at once depending on where the pointer is).
e2e_close_menus() {
  local i
  # A pointer resting on the bar keeps it open.
  xdotool mousemove --window "$E2E_WID" 600 400; sleep 0.2
  for i in 1 2 3 4 5 6; do
    [[ "$(e2e_pixel 24 4)" == "$E2E_BG" && "$(e2e_pixel 40 4)" == "$E2E_BG" && "$(e2e_pixel 60 20)" == "$E2E_BG" ]] && return 0
    e2e_key Escape; sleep 0.4
  done
  e2e_fail "the menus did not close"
}
