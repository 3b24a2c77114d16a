# The menu bar opens on the ` key; File > Save is greyed until a character
# exists, unless the editor runs with -admin (in any case).
source "$(dirname "$0")/lib.sh"
e2e_setup

# The colours used by the text of a File menu row (x 16..79, 9 rows).
row_colours() { convert x:root -crop "64x9+16+$1" -unique-colors txt:- | grep -o '#[0-9A-F]*' | sort | tr '\n' ' '; }
open_bar() {
  e2e_key "$1"
  e2e_wait_pixel 10 4 isnt 10 || e2e_fail "$1 did not open the menu bar"
}
# Clicks a title of the open bar and waits for its menu below the bar.
open_menu() {
  e2e_click "$1" 5
  e2e_wait_pixel "$(( $1 + 10 ))" 30 isnt 10 || e2e_fail "no menu opened at x $1"
}

for mode in plain -AdMiN; do
  if [[ $mode == plain ]]; then e2e_launch; else e2e_launch "$mode"; fi
  open_bar grave
  open_menu 20
  e2e_shot "file-menu-$mode"
  open_row=$(row_colours 28)
  save_row=$(row_colours 40)
  if [[ $mode == plain ]]; then
    [[ "$open_row" != "$save_row" ]] || e2e_fail "Save is not greyed at start-up"
  else
    [[ "$open_row" == "$save_row" ]] || e2e_fail "with $mode Save is greyed ($save_row vs $open_row)"
    # Choosing it without a character does nothing.
    e2e_click 30 44
    e2e_wait_pixel "${E2E_PROBE[@]}" isnt 1 && e2e_fail "Save without a character showed something"
  fi
  e2e_close_menus
  e2e_running || e2e_fail "the editor ended"
  e2e_quit
done

# After New, the View menu shows its check mark on Animation; Edit and ANI
# open with their entries greyed.
e2e_launch
e2e_new_character
open_bar grave
open_menu 100
xdotool mousemove --window "$E2E_WID" 300 300; sleep 0.3
e2e_shot view-menu
e2e_close_menus
open_bar grave
open_menu 60
e2e_shot edit-menu
e2e_close_menus
# TAB goes to the Layout view, whose menu bar opens on M.
e2e_key Tab; sleep 0.4
e2e_shot layout-view
open_bar m
e2e_shot layout-menu
open_menu 70
e2e_shot layout-view-menu
e2e_close_menus
e2e_quit
echo "PASS"
