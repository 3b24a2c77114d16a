# `cmake --install` into a fresh prefix gives an editor that starts from any
# folder and finds its resource files.
source "$(dirname "$0")/lib.sh"
e2e_setup
: "${CHARED_BUILD:?CHARED_BUILD must name the build folder}"
prefix="$E2E_TMP/prefix"
cmake --install "$CHARED_BUILD" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 ||
  { cat "$E2E_TMP/install.log"; e2e_fail "cmake --install failed"; }
[[ -f "$prefix/share/chared/chared.dat" && -f "$prefix/share/chared/chared.txt" ]] ||
  e2e_fail "the resource files were not installed"
# Run the installed editor from an empty folder.
CHARED_BIN="$prefix/bin" E2E_NO_RESOURCES=1 e2e_launch
e2e_key F1
# The help text was found: its box covers the view and holds text.
e2e_wait_pixel 500 4 isnt 10 || e2e_fail "no help box"
e2e_shot installed-help
colours=$(convert x:root -crop 300x40+8+4 -unique-colors txt:- | grep -c '^[0-9]')
(( colours >= 2 )) || e2e_fail "the installed help text is empty"
e2e_key Escape
e2e_wait_pixel 500 4 is 10 || e2e_fail "Esc did not close the help"
e2e_quit
echo "PASS"
