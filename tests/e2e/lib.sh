# shellcheck shell=bash
# What the end-to-end scripts share: a private Xvfb with a blue desktop, a
# Wine prefix that says Windows 10, and the helpers that drive kelvara.exe
# from outside as a user would. Sourced by tests/e2e/run, tests/e2e/hostile
# and tools/crash-saves, each with `root` (the checkout) and `build` (the
# mingw64 tree) set first.

exe="$build/src/app/kelvara.exe"
driver_exe="$build/tests/e2e/e2e_driver.exe"
export WINEDLLOVERRIDES="mscoree=;mshtml="

desktop_rgb="srgb(58,110,165)"  # #3a6ea5
screen_width=1280
screen_height=800

# Paths of one script's run: e2e_paths OUT-FOLDER (under the build tree).
e2e_paths() {
  out="$build/$1"
  shots="$out/screenshots"
  work="$out/work-$$"
  export KELVARA_WINEPREFIX="$out/prefix-$$"
  rm -rf "$shots"
  mkdir -p "$shots" "$work" "$KELVARA_WINEPREFIX"
}

xvfb_pid=""
kelvara_pid=""
busy_pid=""
# A script's own clean-up, run first at exit (unmounts and the like).
e2e_extra_cleanup() { :; }
e2e_cleanup() {
  e2e_extra_cleanup
  [ -n "$busy_pid" ] && kill "$busy_pid" 2>/dev/null
  WINEPREFIX="$KELVARA_WINEPREFIX" wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$KELVARA_WINEPREFIX" "$work"
}

# The first free display from the number given, Xvfb on it, the desktop
# colour, and the prefix: e2e_desktop FIRST-DISPLAY-NUMBER.
e2e_desktop() {
  local display_number=$1 background
  while [ -e "/tmp/.X$display_number-lock" ]; do display_number=$((display_number + 1)); done
  export DISPLAY=":$display_number"
  # -noreset: the desktop colour must outlive the programs that come and go.
  Xvfb "$DISPLAY" -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp -noreset \
    >/dev/null 2>&1 &
  xvfb_pid=$!
  trap e2e_cleanup EXIT
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  background=$(mktemp --suffix=.png)
  convert -size 16x16 'xc:#3a6ea5' "$background"
  display -window root "$background" >/dev/null 2>&1 || true
  rm -f "$background"
  "$root/tools/wine-exec" wineboot --init >/dev/null 2>&1 || true
  # The Windows the program is made for (a new Wine prefix says 7).
  "$root/tools/wine-exec" winecfg -v win10 >/dev/null 2>&1 || true
  # No window manager runs here: Wine draws the dialogs' title bars itself.
  "$root/tools/wine-exec" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f \
    >/dev/null 2>&1 || true
}

failures=0
passes=0
pass() { echo "PASS $1"; passes=$((passes + 1)); }
fail() { echo "FAIL $1: $2"; failures=$((failures + 1)); }

driver() { "$root/tools/wine-exec" "$driver_exe" "$@" 2>/dev/null | tr -d '\r'; }
# One field of the driver's report on the main window ("rect", "layered" ...).
main_field() { driver main 0 | sed -n "s/^$1=\([^ ]*\).*/\1/p"; }
main_window() { driver main "${1:-0}" | sed -n 's/^window=\(0x[0-9a-f]*\).*/\1/p'; }
main_visible() { [ "$(main_field visible)" = 1 ]; }

shot() { import -window root "$shots/$1.png"; }
# Polls a command until it succeeds, for up to the seconds given: a busy
# machine may take its time, an idle one goes on at once.
wait_until() {  # seconds command...
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
# The colour of one screen pixel of a screenshot.
pixel() { convert "$shots/$1.png" -format "%[pixel:p{$2,$3}]" info:; }
# Pixels that differ between two areas of screenshots: shot geometry shot geometry.
area_difference() {
  convert "$shots/$1.png" -crop "$2" +repage "$work/a.png"
  convert "$shots/$3.png" -crop "$4" +repage "$work/b.png"
  compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 | cut -d' ' -f1
}
# How many pixels of a row, from x for width pixels, are not the desktop.
painted_in_row() {
  convert "$shots/$1.png" -crop "$4x1+$2+$3" +repage txt:- | grep -vc -e '^#' -e '#3A6EA5'
}

# Twips to pixels at 96 DPI, rounded as the host rounds.
px() { awk -v t="$1" 'BEGIN { v = t / 15; printf "%d", (v < 0 ? v - 0.5 : v + 0.5) }'; }

# Window-relative places of the main window's design, in pixels.
win_left=0
win_top=0
locate_main() {
  local rect
  rect=$(main_field rect)
  win_left=${rect%%,*}
  rect=${rect#*,}
  win_top=${rect%%,*}
}

# Drawn once the CPU row's frame shows in the design grey: cpu_frame_drawn [SHOT].
cpu_frame_drawn() {
  local name=${1:-first-start}
  shot "$name"
  [ "$(pixel "$name" $((win_left + $(px 720))) $((win_top + $(px 1320) + 8)))" = \
    "srgb(192,192,192)" ]
}

# Starts kelvara.exe from the start folder $work, as a user's shortcut would.
start_kelvara() {
  (cd "$work" && exec "$root/tools/wine-exec" "$exe" >/dev/null 2>&1) &
  kelvara_pid=$!
}

wait_gone_pid() {  # pid seconds
  for _ in $(seq $(($2 * 10))); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# The popup menu's items, counted from 0 at each level.
menu_memory_release=0
menu_settings=1
menu_position=2
menu_position_set=0
menu_version=8
menu_exit=10

open_menu() {  # by the shell's right-button message
  driver tray 516 >/dev/null
  driver menu 5000 >/dev/null
}

choose() {  # item numbers per menu level; tries again when the menu stays open
  for _ in 1 2 3; do
    open_menu
    driver choose "$@" >/dev/null && return 0
    for _ in 1 2 3; do driver escape >/dev/null || break; done
    sleep 0.5
  done
  return 1
}

# Ends the program from its menu and waits for the process: true when it ended.
exit_kelvara() {  # seconds
  choose $menu_exit
  wait_gone_pid "$kelvara_pid" "${1:-10}"
}

# A window's facts once it is visible: a window is made, then shown.
find_visible() {  # class title
  local report
  for _ in $(seq 150); do
    report=$(driver find "$1" "$2" 0)
    grep -qx "visible=1" <<<"$report" && break
    sleep 0.1
  done
  echo "$report"
}

# Wine names the user after the Unix one, as USER gives it.
user=${USER:-$(id -un)}

# --- the settings dialog ----------------------------------------------------------
# The dialog's controls by where a user would click them: a place in twips
# of the window's client area, frames added up.
settings_window=""
control_at() {  # left top (twips, the control's top-left corner inside it)
  driver child-at "$settings_window" "$(px $(($1 + 60)))" "$(px $(($2 + 60)))" |
    sed -n 's/^control=\(0x[0-9a-f]*\).*/\1/p'
}
control_line() { driver children "$settings_window" | grep -F "$1"; }
open_settings() {
  choose $menu_settings
  chosen_at=$(date +%s%N)
  settings=$(find_visible kelvara.Form 設定)
  opened_ms=$((($(date +%s%N) - chosen_at) / 1000000))
  settings_window=$(sed -n 's/^window=\(0x[0-9a-f]*\).*/\1/p' <<<"$settings")
}
# The store named by $store.
store_sum() { md5sum "$store" | cut -d' ' -f1; }
field() {  # offset width: a stored field without its padding
  dd if="$store" bs=1 skip="$1" count="$2" 2>/dev/null | iconv -f CP932 -t UTF-8 | sed 's/ *$//'
}
# Frame1 (120, 120) holds Frame3 (120, 240) and Check1; Frame2 (4320, 120) the
# clock and moon rows; Frame7 (4320, 5280) the sizes. The clock rows sit
# 360 twips lower on Windows 6.0 and later, as here.
all_colour_button() { control_at $((120 + 120 + 2040)) $((120 + 240 + 360)); }
clock_kind_box() { control_at $((4320 + 1080)) $((120 + 960)); }
moon_box() { control_at $((4320 + 960)) $((120 + 4210)); }
ram_total_box() { control_at $((4320 + 2400)) $((5280 + 655)); }

# --- making store files by hand -----------------------------------------------------
# Offset and width of each field of the 2194-byte record.
declare -A store_offset=(
  [WTop]=0 [WLeft]=6 [AllClor]=14 [DATEClor]=44 [TimeClor]=74 [CClor]=104 [RClor]=134
  [DClor]=164 [DSClor]=194 [CVw]=224 [MVw]=230 [ClFntN]=236 [ClFntSt]=266 [ClSW]=286
  [BClor]=306 [MClor]=336 [HClor]=366 [SClor]=396 [ClImage]=426 [CpuImg]=706 [MemImg]=986
  [DscImg]=1266 [DspImg]=1546 [FSize]=1826 [MAgeVw]=1830 [PFVw]=1836 [PFImg]=1842
  [PClor]=2122 [MAClor]=2152 [RTUl]=2182 [PFUl]=2188)
declare -A store_width=(
  [WTop]=6 [WLeft]=8 [AllClor]=30 [DATEClor]=30 [TimeClor]=30 [CClor]=30 [RClor]=30
  [DClor]=30 [DSClor]=30 [CVw]=6 [MVw]=6 [ClFntN]=30 [ClFntSt]=20 [ClSW]=20 [BClor]=30
  [MClor]=30 [HClor]=30 [SClor]=30 [ClImage]=280 [CpuImg]=280 [MemImg]=280 [DscImg]=280
  [DspImg]=280 [FSize]=4 [MAgeVw]=6 [PFVw]=6 [PFImg]=280 [PClor]=30 [MAClor]=30 [RTUl]=6
  [PFUl]=6)

# $store as that many spaces (a record of empty fields by default).
blank_store() {  # [length]
  mkdir -p "$(dirname "$store")"
  head -c "${1:-2194}" /dev/zero | tr '\0' ' ' >"$store"
}
# Writes bytes (printf %b escapes) into a field of $store, space-padded or cut.
put() {  # field bytes
  local width=${store_width[$1]}
  { printf '%b' "$2"; printf "%${width}s" ''; } | head -c "$width" |
    dd of="$store" bs=1 seek="${store_offset[$1]}" conv=notrunc status=none
}
# Writes UTF-8 text into a field of $store in code page 932.
put_text() {  # field text
  local width=${store_width[$1]}
  { printf '%s' "$2" | iconv -f UTF-8 -t CP932; printf "%${width}s" ''; } | head -c "$width" |
    dd of="$store" bs=1 seek="${store_offset[$1]}" conv=notrunc status=none
}
