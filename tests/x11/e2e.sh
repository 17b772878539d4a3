#!/usr/bin/env bash
# The program end to end on the X display in $DISPLAY (tools/x11-e2e.sh starts an Xvfb): the
# test editor has the focus, a user types at the server's keyboard, and the editor's text is
# read back. Usage: tests/x11/e2e.sh BUILD_DIR [SCREENSHOT_DIR]
set -uo pipefail
build=$1
shots=${2:-}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
quibnote=$build/src/platform/x11/quibnote
editor_bin=$build/tests/x11/quibnote-test-editor
typist=$build/tests/x11/quibnote-typist
work=$(mktemp -d)
pids=()
passed=0
failed=0

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

result() { # NAME EXPECTED GOT
  if [[ "$2" == "$3" ]]; then
    passed=$((passed + 1))
    echo "ok - $1"
  else
    failed=$((failed + 1))
    printf 'FAIL - %s\n  expected: %q\n  got:      %q\n' "$1" "$2" "$3"
  fi
}

# Waits until FILE holds WANT (or 5 s pass); prints what it holds.
file_text() { # FILE WANT
  local got
  for _ in $(seq 250); do
    kill -0 "$program" 2>/dev/null || break
    got=$(cat "$1" 2>/dev/null; printf x)
    got=${got%x}
    [[ "$got" == "$2" ]] && break
    sleep 0.02
  done
  printf '%s' "$got"
}
editor_text() { file_text "$work/editor.txt" "$1"; }

# Waits up to 10 s for a visible window whose title matches. Asked anew each time: xdotool ends
# with an X error when a window it has listed goes away before it looks at it (an application
# closing while another opens), where its --sync would give up.
window_of() {
  local w
  for _ in $(seq 50); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [[ -n "$w" ]] && echo "$w" && return 0
    sleep 0.2
  done
  return 1
}
type_keys() { "$typist" "$@"; }
focus() { xdotool windowfocus --sync "$1"; sleep 0.1; }
shot() { # NAME X Y W H: a part of the screen, for the docs
  [[ -n "$shots" ]] || return 0
  import -window root -crop "$4x$5+$2+$3" +repage "$shots/$1.png"
}

# The small fixture with the display panel on, the highlighted suggestion off, the panel shown
# only while there is a preview, and a short form whose expansion no US key types.
folder=$work/folder
mkdir -p "$folder"
cp "$source_dir"/tests/fixtures/small/* "$folder"/
awk 'BEGIN { FS = "[ ]"; OFS = " " } NR == 1 { $19 = "3"; $20 = "2" } { print }' \
  "$source_dir/tests/fixtures/small/QNhForms.dta" |
  sed 's/^cmpy\t/cfe\tcfe\xA1\xA1\xA1caf\xE9\r\ncmpy\t/' >"$folder/QNhForms.dta"

"$editor_bin" --title "E2E Editor" --out "$work/editor.txt" &
pids+=($!)
editor=$(window_of "E2E Editor")
"$quibnote" --folder "$folder" >"$work/quibnote.log" 2>&1 &
program=$!
pids+=($program)
main=$(window_of "^Quibnote")
sleep 0.5
if [[ -z "$editor" || -z "$main" ]]; then
  echo "FAIL - the editor or the program did not show a window"
  cat "$work/quibnote.log"
  echo "0 passed, 1 failed"
  exit 1
fi
eval "$(xdotool getwindowgeometry --shell "$main")"
mx=$X my=$Y mw=$WIDTH mh=$HEIGHT
shot x11-main-window $((mx - 8)) $((my - 8)) $((mw + 16)) $((mh + 16))

# A second start on the same display, named with its screen, finds the first copy, brings its
# main window forward, says so, and ends once the message is answered.
focus "$editor"
DISPLAY="${DISPLAY%.*}.0" "$quibnote" --folder "$folder" >"$work/second.log" 2>&1 &
second=$!
pids+=($second)
message=""
for _ in $(seq 100); do
  message=$(xdotool search --onlyvisible --name '^Quibnote$' 2>/dev/null | grep -vx "$main" | head -1)
  [[ -n "$message" ]] && break
  sleep 0.1
done
result "a second start says the first copy is running" "yes" "$([[ -n "$message" ]] && echo yes || echo no)"
result "the second start brings the first copy's main window forward" "$main" "$(xdotool getwindowfocus 2>/dev/null)"
[[ -n "$message" ]] && focus "$message" && type_keys Return
for _ in $(seq 50); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
result "the second start ends" "ended" "$(kill -0 "$second" 2>/dev/null && echo running || echo ended)"
result "the first copy keeps running" "running" "$(kill -0 "$program" 2>/dev/null && echo running || echo ended)"

focus "$editor"
type_keys text:"abt "
result "abt and a space expand to about" "about " "$(editor_text "about ")"

type_keys text:"lb "
want=$'about Line one\nLine two '
result "a back-quote in an expansion is a line break" "$want" "$(editor_text "$want")"

# A character without a key goes in as itself (a spare keycode), and the user's clipboard,
# another client's, is not touched.
printf 'kept' | xclip -selection clipboard -i -loops 0 >/dev/null 2>&1 &
pids+=($!)
sleep 0.3
type_keys text:"cfe "
want=$'about Line one\nLine two caf\xC3\xA9 '
result "a character without a key goes in as itself" "$want" "$(editor_text "$want")"
sleep 0.5
result "the clipboard still holds the user's text" "kept" \
  "$(timeout 5 xclip -selection clipboard -o 2>/dev/null)"

# The display panel shows the preview once the word typed so far is a short form.
type_keys text:"pls"
sleep 0.4
panel=$(xdotool search --onlyvisible --class quibnote 2>/dev/null | while read -r w; do
  [[ "$w" != "$main" ]] && echo "$w"; done | head -1)
if [[ -n "$panel" ]]; then
  eval "$(xdotool getwindowgeometry --shell "$panel")"
  eval "$(xdotool getwindowgeometry --shell "$editor")"
  shot x11-display-panel 0 0 $((X + WIDTH + 40)) $((Y + HEIGHT + 40))
  result "the display panel shows while a short form is typed" "shown" "shown"
else
  result "the display panel shows while a short form is typed" "shown" "not shown"
fi
type_keys text:" "
want=$'about Line one\nLine two caf\xC3\xA9 please '
result "the expansion after the panel's preview" "$want" "$(editor_text "$want")"

# F9 turns the expander off and on again: the key state reads function keys too.
type_keys F9
sleep 0.8
type_keys text:"abt "
want+="abt "
result "with the expander off (F9) abt stays" "$want" "$(editor_text "$want")"
type_keys F9
sleep 0.8

# Calculate-and-paste: the numbers of the copied selection are summed and typed at the caret.
type_keys Return text:"12 apples and 30 pears" ctrl+a ctrl+c End Return
sleep 0.3
focus "$main"
type_keys alt+e
sleep 0.3
type_keys r
want+=$'\n12 apples and 30 pears\n42'
result "calculate and paste types the sum of the copied numbers" "$want" "$(editor_text "$want")"

# Copy plus MPaste. A selection copied with Ctrl+C in the editor and one copied with the Edit
# menu's Copy join the multi-clipboard after the calculation's selection; MPaste lists them in
# the main window's display box, and a click on a clip's row types it where the user was typing.
type_keys Return text:"mpaste me" shift+Home ctrl+c End
type_keys Return text:"copied from the menu" shift+Home
sleep 0.5
focus "$main"
type_keys alt+e
sleep 0.3
type_keys c
sleep 0.6
want+=$'\nmpaste me\ncopied from the menu'
focus "$editor"
type_keys Return
focus "$main"
type_keys alt+e
sleep 0.3
type_keys l
sleep 0.5
# The display box stands under the 20-pixel menu bar, its text inside a 3-pixel frame and
# margin, in rows of 195 twips (the 8-point rows the program counts); the list's four header
# lines come first, then clip 1.
dpi=$(xrdb -query 2>/dev/null | awk '/^Xft\.dpi:/ { print int($2) }')
dpi=${dpi:-96}
tpp=$(((1440 + dpi / 2) / dpi))
row_y() { # CLIP: the middle of its row, in pixels from the window's top
  local row=$((195 / tpp))
  echo $((20 + 3 + ($1 + 3) * row + row / 2))
}
xdotool mousemove --window "$main" 60 "$(row_y 2)" click 1
want+=$'\nmpaste me'
result "a clip copied with Ctrl+C is typed from the multi-clipboard" "$want" "$(editor_text "$want")"
type_keys Return
xdotool mousemove --window "$main" 60 "$(row_y 3)" click 1
want+=$'\ncopied from the menu'
result "a clip copied with the Copy command is typed from the multi-clipboard" "$want" \
  "$(editor_text "$want")"

# The Options menu, opened from the keyboard: the program refreshes its captions as it opens.
focus "$main"
type_keys alt+o
sleep 0.5
shot x11-options-menu $((mx - 8)) $((my - 8)) $((mw + 300)) $((mh + 16))
type_keys Escape
sleep 0.2

# The Quib List opens from its menu.
type_keys alt+q
sleep 0.6
quib=$(xdotool search --onlyvisible --name "^Quib List" 2>/dev/null | while read -r w; do
  [[ "$w" != "$main" ]] && echo "$w"; done | head -1)
if [[ -n "$quib" ]]; then
  # Without a window manager nothing keeps a topmost window above the editor the program
  # refocused; raise it for the picture.
  xdotool windowraise "$quib"
  sleep 0.2
  qx=$(xwininfo -id "$quib" | awk '/Absolute upper-left X/ { print $4 }')
  qy=$(xwininfo -id "$quib" | awk '/Absolute upper-left Y/ { print $4 }')
  shot x11-quib-list $((qx - 8)) $((qy - 8)) $((mx + mw - qx + 16)) 240
  echo "# the Quib List opened (window $quib)"
else
  echo "# the Quib List did not open a window"
fi

# Exit without saving ends the program.
focus "$main"
type_keys alt+f d
for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program" 2>/dev/null && ended=running || ended=ended
result "File, Exit and don't save ends the program" "ended" "$ended"

# Real applications at a fast typist's pace, with a copy of the shipped database: its two-letter
# short forms (use level 2) and one accented expansion activated.
kill "$program" 2>/dev/null
wait "$program" 2>/dev/null
shipped=$work/shipped
mkdir -p "$shipped"
cp "$source_dir"/data/*.dta "$source_dir"/data/*.txt "$shipped"/
awk 'BEGIN { FS = "[ ]"; OFS = " " } NR == 1 { $19 = "3" } { print }' \
  "$source_dir/data/QNhForms.dta" | LC_ALL=C sed 's/^\(cfe\t[^\r]*\)\r$/\1\xB7\r/' \
  >"$shipped/QNhForms.dta"
"$quibnote" --folder "$shipped" >"$work/apps.log" 2>&1 &
program=$!
pids+=($program)
window_of "^Quibnote" >/dev/null
sleep 0.5

# 20 characters a second: each key held 30 ms, 20 ms to the next.
fast() { type_keys --hold 30 --gap 20 "$@"; }
sentence="im vy sy yu hv tt df tg ao mh cfe rl nx wn yu ws fs yn fg dn gv sv "
expanded=$'I\'m very say you have that different thing about much caf\xC3\xA9 really next want you'
expanded+=" was first young forget doing give save "

# Waits for an application's window, focuses it and checks its program; prints the window.
app_window() { # CASE TITLE PROGRAM
  local w class
  w=$(window_of "$2")
  if [[ -z "$w" ]]; then
    result "$1: a window titled $2" "shown" "not shown" >&2
    return 1
  fi
  class=$(xprop -id "$w" WM_CLASS 2>/dev/null | sed -n 's/.*", "\(.*\)"$/\1/p')
  if [[ "${class,,}" != "$3" ]]; then
    result "$1: the window's program" "$3" "${class,,}" >&2
    return 1
  fi
  focus "$w"
  echo "$w"
}

# xterm passes what the user sees typed to cat, which keeps it in a file: a first Ctrl+D hands
# cat the line as it stands, a second ends it.
xterm_case() { # CASE WANT TYPIST-ITEM...
  local name=$1 want=$2 out=$work/xterm-$RANDOM.txt pid
  shift 2
  LANG=C.UTF-8 LC_ALL=C.UTF-8 xterm -u8 -title "E2E xterm" -e sh -c "cat >'$out'" 2>/dev/null &
  pid=$!
  pids+=($pid)
  app_window "$name" "^E2E xterm$" xterm >/dev/null || return
  fast "$@"
  type_keys ctrl+d ctrl+d
  result "$name" "$want" "$(file_text "$out" "$want")"
  kill "$pid" 2>/dev/null
}

# Mousepad edits a fresh file, saved with Ctrl+S once the keys are typed.
mousepad_case() { # CASE WANT TYPIST-ITEM...
  local name=$1 want=$2 out=$work/mousepad-$RANDOM.txt pid
  shift 2
  : >"$out"
  XDG_CONFIG_HOME=$work/config NO_AT_BRIDGE=1 mousepad --disable-server "$out" 2>/dev/null &
  pid=$!
  pids+=($pid)
  app_window "$name" "${out##*/} - Mousepad" mousepad >/dev/null || return
  fast "$@"
  sleep 0.3
  type_keys ctrl+s
  result "$name" "$want" "$(file_text "$out" "$want")"
  kill "$pid" 2>/dev/null
}

xterm_case "xterm: a sentence of 22 short forms typed fast" "$expanded" text:"$sentence"
mousepad_case "mousepad: a sentence of 22 short forms typed fast" "$expanded" text:"$sentence"
# Up and End move the caret off the word: the o typed there begins a word of its own, and no
# expansion reaches back into the line above.
mousepad_case "mousepad: a word begun after the caret moved is its own" $'firsto \nhello a' \
  text:first Return text:"hello a" Up End text:"o "

# bash at its prompt in xterm, with the same database (ys is yes): its history file takes each
# line bash ran as the next prompt comes up. The ": end" typed after the keys must be the next
# line, so nothing was left on the prompt or run in between. Enter and Tab reach the shell before
# any expansion could, so after them the line stays as typed.
bash_case() { # CASE WANT TYPIST-ITEM...
  local name=$1 want=$2 dir=$work/bash-$RANDOM pid
  shift 2
  mkdir -p "$dir/cwd"
  env -C "$dir/cwd" -u HISTTIMEFORMAT HISTFILE="$dir/history" HISTCONTROL= HISTIGNORE= PS1='$ ' \
    PROMPT_COMMAND="history -a; : >'$dir/ready'" \
    xterm -title "E2E bash" -e bash --norc --noprofile -i 2>/dev/null &
  pid=$!
  pids+=($pid)
  app_window "$name" "^E2E bash$" xterm >/dev/null || return
  for _ in $(seq 100); do [[ -e "$dir/ready" ]] && break; sleep 0.05; done
  fast "$@"
  sleep 0.5
  fast text:": end" Return
  result "$name" "$want" "$(file_text "$dir/history" "$want"$'\n')"
  kill "$pid" 2>/dev/null
}

bash_case "xterm, bash: Enter after a short form runs the line as typed, and nothing follows" \
  $'echo ys\n: end' text:"echo ys" Return
# The working folder is empty, so bash's completion on Tab adds nothing either.
bash_case "xterm, bash: Tab after a short form leaves the line as typed" $'echo ys end\n: end' \
  text:"echo ys" Tab text:" end" Return
bash_case "xterm, bash: a space after a short form expands it" $'echo yes \n: end' \
  text:"echo ys " Return

# On the French layout the punctuation is typed by other keys (Shift for the full stop and the
# question mark); each mark after a short form ends it.
setxkbmap fr
sleep 0.5
xterm_case "xterm, French layout: punctuation ends a short form" "about. about! about? about: " \
  text:"ao. ao! ao? ao: "
setxkbmap us
sleep 0.5

# With a pause between the program's keys (key_gap_ms=3, the one AbiWord gets), an expansion
# arrives after the program has sent it: its own keys are never read as the user's typing. The
# user waits for each expansion (150 ms a key): XTest's gaps do not hold the user's keys back,
# so keys typed faster land inside the run in the application.
key_gap_case() {
  kill "$program" 2>/dev/null
  wait "$program" 2>/dev/null
  printf 'key_gap_ms=3\r\n' >"$shipped/QNPrefs.ini"
  "$quibnote" --folder "$shipped" >>"$work/apps.log" 2>&1 &
  program=$!
  pids+=($program)
  window_of "^Quibnote" >/dev/null
  sleep 0.5
  xterm_case "xterm, 3 ms between the program's keys: 22 short forms" "$expanded" \
    --gap 150 text:"$sentence"
}
key_gap_case

# The highlighted suggestion on, as the Custom database's settings have it (and the display panel
# off): in a terminal the selected suggestion's text and Shift+Left would land in the line, so
# only the expansions may arrive.
kill "$program" 2>/dev/null
wait "$program" 2>/dev/null
rm -f "$shipped/QNPrefs.ini"
awk 'BEGIN { FS = "[ ]"; OFS = " " } NR == 1 { $19 = "0"; $20 = "0" } { print }' \
  "$shipped/QNhForms.dta" >"$work/highlight.dta"
mv "$work/highlight.dta" "$shipped/QNhForms.dta"
"$quibnote" --folder "$shipped" >"$work/highlight.log" 2>&1 &
program=$!
pids+=($program)
window_of "^Quibnote" >/dev/null
sleep 0.5
bash_case "xterm, bash, highlighted suggestion on: only the expansions arrive" \
  $'echo about you have tt\n: end' text:"echo ao yu hv tt" Return

# Under the sanitizers, the program's own report of a fault.
report=$(grep -hE "ERROR: AddressSanitizer|runtime error:" "$work/quibnote.log" "$work/apps.log" \
  "$work/highlight.log" |
  head -3)
result "the program reported no memory or undefined-behaviour fault" "" "$report"

echo "$passed passed, $failed failed"
((failed == 0))
