#!/usr/bin/env bash
# The real program under a virtual X server with a small window manager,
# driven with the mouse and the keyboard as a person would: the splash gives
# way to the calculator; typed and pasted eigenvalues become the report, which
# is copied out through the Edit menu's shortcut and printed to a PDF through
# the print dialog; every refusal shows its message and keeps the fields; a
# menu opened with the mouse shows the About window; the help picture opens
# the description; closing the calculator window ends the program with status 0.
#
# Usage: calculator_test.sh <path to the zelvora binary>
# With ZELVORA_SCREENSHOT=<file.png> it also saves the calculator showing a
# report there (that is how docs/screenshot.png is made).
set -euo pipefail

bin=$(realpath "${1:?usage: calculator_test.sh <zelvora binary>}")
here=$(dirname "$(realpath "$0")")
source_dir=$(realpath "$here/../..")
unset QT_QPA_PLATFORM DISPLAY
source "$here/x_session.sh"

readonly content_width=500 content_height=550
version=$(sed -n 's/^project(Zelvora VERSION \([0-9][0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
[ -n "$version" ] || { echo "calculator_test: no version in CMakeLists.txt" >&2; exit 1; }

work=$(mktemp -d)
chmod 700 "$work"
app_pid=
clipboard_pids=()
cleanup() {
  # Only what still runs as this shell's own child is ended: a finished one's
  # process id may already belong to someone else.
  local running pid
  running=" $(jobs -pr | tr '\n' ' ') "
  for pid in "${clipboard_pids[@]}" $app_pid; do
    [[ $running == *" $pid "* ]] && kill "$pid" 2>/dev/null
  done
  x_session_stop
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP

step=starting
fail() {
  echo "calculator_test: $step: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then
    import -window root "$work/failure.png" 2>/dev/null &&
      cp "$work/failure.png" "${TMPDIR:-/tmp}/zelvora-calculator-test-failure.png" &&
      echo "calculator_test: screen at failure: ${TMPDIR:-/tmp}/zelvora-calculator-test-failure.png" >&2
  fi
  local log
  for log in ${x_session_dir:+"$x_session_dir/xvfb.log" "$x_session_dir/wm.log"} "$work/app.log"; do
    [ ! -s "$log" ] || sed "s/^/$(basename "$log" .log): /" "$log" >&2
  done
  exit 1
}

app_alive() {
  [ -z "$app_pid" ] || kill -0 "$app_pid" 2>/dev/null
}

# wait_for <seconds> <what> <command...>: polls the command every tenth of a second.
wait_for() {
  local tenths=$(($1 * 10)) what=$2
  shift 2
  local i
  for ((i = 0; i < tenths; i++)); do
    "$@" && return 0
    app_alive || fail "the program ended while waiting for $what"
    sleep 0.1
  done
  fail "no $what within $((tenths / 10)) s"
}

# --- the X server and the window manager ------------------------------------

x_session_start || fail "no X server"
x_session_start_wm || fail "no window manager"

# --- finding windows ---------------------------------------------------------

# Prints "id width height title" for each visible window of the program.
program_windows() { x_windows_of "$app_pid"; }
windows_titled() { program_windows | awk -v t="$1" '{ id = $1; $1 = $2 = $3 = ""; sub(/^ +/, "") } $0 == t { print id }'; }

# The splash is the borderless About window, smaller than the calculator.
about_shown() { [ -n "$(program_windows | awk -v w=$content_width '$2 != w && $4 == "Zelvora"')" ]; }
calculator_shown() { [ -n "$(program_windows | awk -v w=$content_width '$2 == w && $4 == "Zelvora"')" ]; }

# The message box is the second visible window titled "Zelvora".
message_box() { windows_titled Zelvora | awk -v c="$calculator" '$1 != c' | awk 'NR == 1'; }
box_shown() { [ -n "$(message_box)" ]; }
box_gone() { [ -z "$(message_box)" ]; }
focused_on() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# --- the program ---------------------------------------------------------------

step="the splash"
# No print server: the print dialog offers its file printer whatever the machine has.
CUPS_SERVER=$work/no-print-server XDG_RUNTIME_DIR=$work "$bin" >"$work/app.log" 2>&1 &
app_pid=$!
wait_for 10 "splash (the About window)" about_shown
wait_for 20 "calculator window" calculator_shown
about_shown && fail "the About window is still shown beside the calculator"
calculator=$(program_windows | awk -v w=$content_width '$2 == w && $4 == "Zelvora" { print $1 }')
eval "$(xdotool getwindowgeometry --shell "$calculator")"
[ "$HEIGHT" -gt "$content_height" ] || fail "the calculator window has no menu bar above its content"
# The menu bar sits above the content; the controls are placed from the content's corner.
left=$X
top=$((Y + HEIGHT - content_height))
menu_bar_height=$((HEIGHT - content_height))

# click <x> <y>: a click at a point of the calculator's content.
click() { xdotool mousemove $((left + $1)) $((top + $2)) click 1; }
readonly subjects_at="170 160" label_at="370 160" eigenvalues_at="250 350"
readonly calculate_at="60 518" clear_at="250 518" print_at="440 518" help_at="462 198"

# Clipboard helpers. Each copy is checked against a marker put on the clipboard
# first, so a copy that didn't happen can't pass for one that did.
offer_clipboard() {
  xclip -i -selection clipboard -quiet <"$1" >/dev/null 2>&1 &
  clipboard_pids+=($!)
  clipboard_holds() { xclip -o -selection clipboard 2>/dev/null | cmp -s - "$1"; }
  wait_for 10 "text on the clipboard" clipboard_holds "$1"
}
marker=$work/marker
echo "not copied by the program" >"$marker"

# copy_field <x> <y> <file>: selects all of the field there and copies it with Ctrl+C.
copy_field() {
  offer_clipboard "$marker"
  click $1 $2
  xdotool key --clearmodifiers ctrl+a ctrl+c
  copied() {
    xclip -o -selection clipboard >"$1" 2>/dev/null && ! cmp -s "$1" "$marker"
  }
  wait_for 10 "copy from the field at $1,$2" copied "$3"
}

type_line() {
  [ -z "$1" ] || xdotool type --delay 20 -- "$1"
  xdotool key Return
}

# field_is_empty <x> <y>: typing a digit into an empty field leaves just that digit.
field_is_empty() {
  click $1 $2
  xdotool type 7
  copy_field $1 $2 "$work/probe"
  [ "$(cat "$work/probe")" = 7 ]
}

expected_report() { # <label> <rows file>
  printf '%s\n' "Zelvora © 2026" "   Version $version" "by the Zelvora authors" "" "$1"
  printf '=%.0s' {1..49}
  printf '\nEigenvalue      SE             95%% CI\n'
  printf '=%.0s' {1..49}
  echo
  cat "$2"
  printf '=%.0s' {1..49}
  echo
}

# check_report <copied file> <label> <rows file>: all but the date line must match exactly.
check_report() {
  local rows
  rows=$(wc -l <"$3")
  expected_report "$2" "$3" >"$work/expected"
  head -n -1 "$1" >"$work/report-body"
  if ! cmp -s "$work/report-body" "$work/expected"; then
    diff "$work/expected" "$work/report-body" | head -n 20 >&2 || true
    fail "the copied report differs from the expected one"
  fi
  tail -n 1 "$1" | grep -Eq '^Date: [^ ].*  [^ ].*[^ ]$' || fail "the last line is no date line: $(tail -n 1 "$1")"
  [ "$(wc -l <"$1")" -eq $((rows + 10)) ] || fail "the report does not end with its date line's line break"
  ! grep -Eqi 'inf|nan' "$1" || fail "the report holds inf or nan"
}

# rows_for <subjects> <values file>: the rows the report must show, as the method defines them.
rows_for() {
  awk -v n="$1" '{
    v = $1 + 0; se = sqrt(2 * v * v / n); if (se < 0.0001) se = 0.00001
    printf "%+.4f      %+.4f      %.4f \342\200\223 %.4f\n", v, se, v - 1.96 * se, v + 1.96 * se
  }' "$2"
}

# --- typing nine eigenvalues -----------------------------------------------------

step="typing and calculating"
click $subjects_at
xdotool type --delay 20 301
click $label_at
xdotool type --delay 20 "Sample run"
click $eigenvalues_at
printf '%s\n' 2.945 1.778 1.396 0.717 0.629 0.535 0.478 0.289 0.251 >"$work/nine"
while read -r value; do type_line "$value"; done <"$work/nine"
copy_field $eigenvalues_at "$work/typed"
cmp -s "$work/typed" "$work/nine" || fail "the eigenvalue field holds $(tr '\n' ' ' <"$work/typed"), not the typed values"
click $calculate_at
report_shown() { copy_field $eigenvalues_at "$1" && head -n 1 "$1" | grep -q '^Zelvora'; }
wait_for 20 "report in the eigenvalue field" report_shown "$work/report9"

cat >"$work/rows9" <<'ROWS'
+2.9450      +0.2401      2.4745 – 3.4155
+1.7780      +0.1449      1.4939 – 2.0621
+1.3960      +0.1138      1.1730 – 1.6190
+0.7170      +0.0584      0.6024 – 0.8316
+0.6290      +0.0513      0.5285 – 0.7295
+0.5350      +0.0436      0.4495 – 0.6205
+0.4780      +0.0390      0.4016 – 0.5544
+0.2890      +0.0236      0.2428 – 0.3352
+0.2510      +0.0205      0.2109 – 0.2911
ROWS
check_report "$work/report9" "Sample run" "$work/rows9"
echo "calculator_test: nine typed eigenvalues give the worked example's report"

# The screenshot: the report without the selection the copy left. The whole
# report fits the field, so a click below it puts the caret at its end and
# scrolls nothing.
click 250 480
sleep 0.3
import -window "$calculator" "$work/screenshot.png"
size=$(identify -format '%wx%h' "$work/screenshot.png")
[ "$size" = "${content_width}x$HEIGHT" ] || fail "the screenshot is $size, not the calculator window"
if [ -n "${ZELVORA_SCREENSHOT:-}" ]; then
  cp "$work/screenshot.png" "$ZELVORA_SCREENSHOT"
  echo "calculator_test: screenshot saved to $ZELVORA_SCREENSHOT"
fi

# --- pasting a thousand eigenvalues ----------------------------------------------

step="pasting and calculating"
click $clear_at
field_is_empty $subjects_at || fail "Clear left text in the subject field"
field_is_empty $eigenvalues_at || fail "Clear left text in the eigenvalue field"
click $clear_at
awk 'BEGIN { for (i = 1; i <= 1000; i++) printf "%.3f\n", 0.5 + i * 0.007 }' >"$work/thousand"
offer_clipboard "$work/thousand"
click $subjects_at
xdotool type --delay 20 301
click $eigenvalues_at
xdotool key --clearmodifiers ctrl+v
copy_field $eigenvalues_at "$work/pasted"
cmp -s "$work/pasted" "$work/thousand" || fail "the pasted column is not the thousand values"
click $calculate_at
wait_for 60 "report of a thousand rows" report_shown "$work/report1000"
rows_for 301 "$work/thousand" >"$work/rows1000"
check_report "$work/report1000" "" "$work/rows1000"
echo "calculator_test: a pasted column of 1,000 eigenvalues gives 1,000 rows"

# --- printing the report to a PDF --------------------------------------------------

step="printing"
click $print_at
print_dialog() { windows_titled Print | awk 'NR == 1'; }
dialog_shown() { [ -n "$(print_dialog)" ]; }
wait_for 10 "print dialog" dialog_shown
dialog=$(print_dialog)
wait_for 10 "focus in the print dialog" focused_on "$dialog"
# Alt+F is the dialog's mnemonic for its output file field. The file name is
# pasted rather than typed: the field's file-name completer pops up while a
# path is typed and can swallow keys meant for the field.
mkdir "$work/print"
pdf=$work/print/report.pdf
printf '%s' "$pdf" >"$work/pdf-name"
offer_clipboard "$work/pdf-name"
xdotool key --clearmodifiers alt+f ctrl+a ctrl+v
offer_clipboard "$marker"
xdotool key --clearmodifiers ctrl+a ctrl+c
name_set() { xclip -o -selection clipboard 2>/dev/null | cmp -s - "$work/pdf-name"; }
wait_for 10 "output file name $pdf in the print dialog" name_set
xdotool key Return
dialog_gone() { [ -z "$(print_dialog)" ]; }
wait_for 10 "print dialog closing" dialog_gone
pdf_done() { [ -s "$pdf" ] && pdfinfo "$pdf" >/dev/null 2>&1; }
wait_for 30 "PDF at $pdf" pdf_done
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
[ "$pages" -gt 1 ] || fail "a thousand rows printed on $pages page"
squeeze() { tr -s ' \t' ' ' | sed 's/^ //; s/ $//'; }
pdftotext -layout "$pdf" - | tr -d '\f' | squeeze | grep -E '^\+[0-9]' >"$work/printed-rows" || true
squeeze <"$work/rows1000" >"$work/expected-rows"
if ! cmp -s "$work/printed-rows" "$work/expected-rows"; then
  diff "$work/expected-rows" "$work/printed-rows" | head -n 10 >&2 || true
  fail "the PDF does not hold the report's 1,000 rows once each, in order"
fi
pdftotext "$pdf" - | grep "Version $version" >/dev/null || fail "the PDF has no report header"
echo "calculator_test: the report printed to a PDF of $pages pages with every row"

# --- refusals --------------------------------------------------------------------

step="refusals"
# The box's text is read off the screen: it is rendered larger and read by OCR.
read_box() {
  import -window "$1" "$work/box.png"
  convert "$work/box.png" -colorspace Gray -resize 400% "$work/box-large.png"
  tesseract "$work/box-large.png" - 2>/dev/null | tr -s ' \n' ' '
}

# refusal <subjects> <label> <eigenvalue lines> <expected message>
refusal() {
  local subjects=$1 label=$2 lines=$3 message=$4
  click $clear_at
  click $subjects_at
  xdotool type --delay 20 "$subjects"
  click $label_at
  xdotool type --delay 20 -- "$label"
  click $eigenvalues_at
  printf '%s' "$lines" >"$work/lines"
  local line
  while IFS= read -r line; do type_line "$line"; done <"$work/lines"
  click $calculate_at
  wait_for 10 "message box for \"$message\"" box_shown
  local box
  box=$(message_box)
  # OCR can't tell "≤" from "<", so both read as "<"; every other character counts.
  local seen
  seen=$(read_box "$box")
  grep -qF -- "${message//≤/<}" <<<"${seen//≤/<}" || fail "the message box reads \"$seen\", not \"$message\""
  wait_for 10 "focus in the message box" focused_on "$box"
  xdotool key Return
  wait_for 10 "message box closing" box_gone

  copy_field $subjects_at "$work/got-subjects"
  [ "$(cat "$work/got-subjects")" = "$subjects" ] ||
    fail "after \"$message\" the subject field holds $(cat "$work/got-subjects")"
  copy_field $label_at "$work/got-label"
  [ "$(cat "$work/got-label")" = "$label" ] ||
    fail "after \"$message\" the label field holds $(cat "$work/got-label")"
  if [ -n "$lines" ]; then
    copy_field $eigenvalues_at "$work/got-lines"
    cmp -s "$work/got-lines" "$work/lines" ||
      fail "after \"$message\" the eigenvalue field holds $(tr '\n' '|' <"$work/got-lines")"
  else
    field_is_empty $eigenvalues_at || fail "after \"$message\" the eigenvalue field is no longer empty"
  fi
  echo "calculator_test: \"$message\" shown, the fields kept"
}
refusal 3 "Sample run" $'2.945\n' "Subjects must > 3"
refusal 301 "Empty" "" "No Eigenvalues"
refusal 301 "Gap" $'2.945\n\n1.778\n' "Please check the accuracy of Eigenvalue # 2. Remove nonprinting characters."
refusal 301 "Zero" $'2.945\n0\n' "Please check the accuracy of Eigenvalue # 2. It cannot be ≤ 0."

# --- a menu, with the mouse ----------------------------------------------------------

step="choosing from a menu"
# The menus are found by what they show, read by OCR, so that no drawn position is assumed.
# click_word <window> <word> [height]: a click on the middle of the word where the window, or
# the strip of that height at its top, shows it.
click_word() {
  local window=$1 word=$2 at WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window "$window" -crop "${WIDTH}x${3:-$HEIGHT}+0+0" "$work/shot.png"
  convert "$work/shot.png" -colorspace Gray -resize 400% "$work/shot-large.png"
  # In tesseract's table a word's box is in columns 7 to 10 and its text in 12.
  at=$(tesseract "$work/shot-large.png" - tsv 2>/dev/null |
    awk -F'\t' -v w="$word" '$12 == w { print int(($7 + $9 / 2) / 4), int(($8 + $10 / 2) / 4); exit }')
  [ -n "$at" ] || fail "no \"$word\" to be read in the window"
  xdotool mousemove $((X + ${at% *})) $((Y + ${at#* })) click 1
}
# An open menu is a window of its own, of the popup menu type.
open_menu() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
    xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q POPUP_MENU && echo "$id" && return
  done
  return 0
}
menu_shown() { [ -n "$(open_menu)" ]; }
menu_gone() { [ -z "$(open_menu)" ]; }
about_gone() { ! about_shown; }

click_word "$calculator" Window "$menu_bar_height"
wait_for 10 "the Window menu" menu_shown
click_word "$(open_menu)" About
wait_for 10 "the Window menu closing" menu_gone
wait_for 10 "About window" about_shown
about=$(program_windows | awk -v w=$content_width '$2 != w && $4 == "Zelvora" { print $1; exit }')
# A click anywhere in it sends it away.
xdotool mousemove --window "$about" 10 10 click 1
wait_for 10 "About window going" about_gone
echo "calculator_test: Window > About Zelvora, chosen with the mouse, shows the About window"

# --- the description and closing -------------------------------------------------

step="the description"
click $help_at
description_shown() { [ -n "$(windows_titled Description)" ]; }
wait_for 10 "Description window" description_shown
echo "calculator_test: the help picture opens the Description window"

step="closing"
# The pointer goes to a part of the calculator that the description doesn't
# cover; the window manager gives the window under it the focus, and its
# Ctrl+Alt+Escape closes the focused window as its close box would.
eval "$(xdotool getwindowgeometry --shell "$(windows_titled Description | awk 'NR == 1')")"
px=$((left + 5)) py=$((top + 300))
if ((px >= X && px < X + WIDTH && py >= Y && py < Y + HEIGHT)); then px=$((left + content_width - 5)); fi
xdotool mousemove $px $py
wait_for 10 "focus in the calculator" focused_on "$calculator"
xdotool key ctrl+alt+Escape
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program still runs 10 s after its window was closed"
set +e
wait "$app_pid"
status=$?
set -e
app_pid=
[ "$status" -eq 0 ] || fail "exit status $status after closing the calculator, expected 0"
echo "calculator_test: closing the calculator (the description open) ends the program with status 0"
