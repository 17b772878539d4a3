#!/usr/bin/env bash
# End to end on a Windows desktop under Wine: quibnote.exe runs from a portable folder with the
# fixture database while the user types with the real keyboard (xdotool, through X and Wine)
# into a Windows text editor; the editor's text is read back after each step. Then, with a copy
# of the shipped database, a fast typist types into Wine's notepad.
#
#   tests/win32/e2e.sh BUILD_DIR [SCREENSHOT_DIR]
#
# Needs DISPLAY (an X server, Xvfb in CI) and WINEPREFIX (made by tools/windows-e2e.sh). With a
# SCREENSHOT_DIR it also saves PNG pictures of the program's windows there (needs ImageMagick).
set -uo pipefail

build=$(cd "$1" && pwd)
shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
editor_file=$work/editor.txt
passed=0
failed=0
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

probe() { wine "$build/tests/win32/qn-probe.exe" "$@" 2>/dev/null | tr -d '\r'; }

report() { # NAME PASSED [DETAIL]
    if [ "$2" = 1 ]; then
        passed=$((passed + 1))
        echo "ok - $1"
    else
        failed=$((failed + 1))
        echo "not ok - $1${3:+: $3}"
    fi
}

check() { # NAME COMMAND...
    local name=$1
    shift
    if "$@"; then report "$name" 1; else report "$name" 0; fi
}

# Passes when GOT is WANT; the failure names both.
expect() { # NAME WANT GOT
    if [ "$3" = "$2" ]; then
        report "$1" 1
    else
        report "$1" 0 "expected \"$2\", got \"$3\""
    fi
}

window_exists() { xdotool search --name "^$1\$" >/dev/null 2>&1; }

wait_window() { # TITLE SECONDS
    for ((i = 0; i < $2 * 10; i++)); do
        window_exists "$1" && return 0
        sleep 0.1
    done
    return 1
}

# Gives a window the X input focus, where the keys typed through the X server go. Wine without a
# window manager moves it only now and then when a window of another process is made the
# foreground: it asks for the focus with the time of the latest message the window's thread took,
# converted to the X server's time by an offset each process guesses from its first X event, and
# the X server ignores a request older than the last change (the click on the program's window,
# or the second start's raise of its main window). Windows gives a foreground window the keyboard;
# here the test does it wherever a window is activated or the program hands the foreground back.
focus_window() { # TITLE (a pattern)
    xdotool windowfocus --sync "$(xdotool search --name "$1" | head -1)"
}
focus_editor() { focus_window '^Quibnote Test Editor$'; }

activate_editor() {
    probe activate "Quibnote Test Editor" >/dev/null
    focus_editor
}

# The editor's text with each CR LF shown as \n.
editor_text() { sed -z 's/\r\n/\\n/g' "$editor_file" 2>/dev/null; }

expect_text() { # NAME EXPECTED (line breaks written as \n)
    local got=""
    for ((i = 0; i < 100; i++)); do
        got=$(editor_text)
        [ "$got" = "$2" ] && break
        sleep 0.1
    done
    expect "$1" "$2" "$got"
}

# Types TEXT key by key, each key held HOLD seconds with GAP seconds to the next.
type_at() { # HOLD GAP TEXT
    local chain=() c key
    for ((i = 0; i < ${#3}; i++)); do
        c=${3:i:1}
        case $c in
        " ") key=space ;;
        ",") key=comma ;;
        ")") key=parenright ;;
        *) key=$c ;;
        esac
        chain+=(keydown "$key" sleep "$1" keyup "$key" sleep "$2")
    done
    xdotool "${chain[@]}"
}

# Each key is held 80 ms, as a typist holds it: a shorter press can fall between two of the
# program's readings when Wine is slow to schedule it on a loaded machine.
type_keys() { type_at 0.08 0.04 "$1"; }

# 20 characters a second, a fast typist's bursts: each key held 30 ms, 20 ms to the next.
type_fast() { type_at 0.03 0.02 "$1"; }

clear_editor() {
    xdotool key --delay 60 ctrl+a BackSpace
    expect_text "the editor is emptied" ""
}

# Types TEXT on a line of its own and copies it (the program takes the copy into its ring).
copy_line() { # TEXT
    type_keys "$1"
    xdotool key --delay 60 shift+Home ctrl+c End Return
    sleep 0.5
}

screenshot() { # NAME [X_WINDOW_ID] (without one, the whole screen)
    [ -n "$shots" ] || return 0
    mkdir -p "$shots"
    if [ -z "${2:-}" ]; then
        xwd -root -silent | convert xwd:- "$shots/$1.png"
    else
        xwd -id "$2" -silent | convert xwd:- "$shots/$1.png"
    fi
    echo "# screenshot $shots/$1.png"
}

program_ends() { # PID
    for ((i = 0; i < 200; i++)); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

database_is_whole() {
    [ ! -e "$folder/QNhForms.dta.new" ] && head -c 2 "$folder/QNhForms.dta" | grep -q '^0 '
}

# Starts quibnote.exe from a fresh portable folder with DATABASE (program and main_id name it).
start_program() { # FOLDER DATABASE
    folder=$1
    mkdir -p "$folder"
    cp "$build"/portable/Quibnote/* "$folder"/
    cp "$2" "$folder/QNhForms.dta"
    (cd "$folder" && exec wine quibnote.exe) >/dev/null 2>&1 &
    program=$!
    pids+=("$program")
    wait_window Quibnote 30 || return 1
    main_id=$(xdotool search --name '^Quibnote$' | head -1)
}

# The caption changes while the user types (it previews expansions), so the main window is
# followed by its X window, and its title asked for when the probe needs it.
main_title() { xdotool getwindowname "$main_id"; }

# Clicks the middle of the program's control that shows TEXT; false when there is none.
click_control() { # TEXT
    local x y
    read -r x y < <(probe where "$(main_title)" "$1")
    [ -n "${y:-}" ] || return 1
    xdotool mousemove "$x" "$y" click 1
}

# --- The cases, each a function ---

case_second_start() {
    second_start() { (cd "$folder" && timeout 20 wine quibnote.exe) >/dev/null 2>&1; }
    check "a second start ends at once" second_start
    check "the first keeps running" kill -0 "$program"
    # The second start gave the first copy's main window the foreground; Wine's X driver takes
    # the focus there a moment later, so the editor is activated only after that has landed.
    sleep 2
    activate_editor
    sleep 0.5
    xdotool key Escape
}

# Keys typed into the editor reach the key state the program polls.
case_expander_off_and_on() {
    xdotool key F9
    check "F9 typed in the editor turns the expander off" wait_window "Quibnote: -X->" 10
    xdotool key F9
    check "F9 again turns it back on" wait_window Quibnote 10
    # The caption changes first; then the program pauses half a second and discards the letters
    # typed meanwhile. The pause runs at least 10,000 event steps, which take over a second
    # under Wine on a loaded machine, and the first F9's pause can still be running.
    sleep 3
}

case_expansions() {
    type_keys "abt"
    sleep 1
    screenshot windows-desktop-typing
    screenshot windows-main-window "$main_id"
    type_keys " "
    expect_text "abt and a space become about" "about "
    type_keys "lb "
    expect_text "an expansion with a line break" 'about Line one\nLine two '
    probe set-clipboard "kept safe" >/dev/null
    type_keys "cf "
    expect_text "a character no key types goes as itself" 'about Line one\nLine two café '
    expect "the clipboard is left as it was" "clipboard: kept safe" "$(probe clipboard)"
    clear_editor
}

case_synthetic_run() {
    probe send "Quibnote Test Editor" "Run 1 of café €“" >/dev/null
    expect_text "a run arrives whole, with characters no key types as themselves" \
        "Run 1 of café €“"
    clear_editor
    expect "the editor's program is its executable's name" "program: qn-test-editor" \
        "$(probe program "Quibnote Test Editor")"
}

# A copied selection, then the CPaste button clicked with the mouse.
case_calculate_and_paste() {
    copy_line "12 apples, 30 pears"
    if click_control CPaste; then
        expect_text "CPaste types the sum of the copied numbers" '12 apples, 30 pears\n42'
        focus_editor
    else
        report "CPaste types the sum of the copied numbers" 0 "no CPaste button"
    fi
    clear_editor
}

# At the default font size the box wraps the list's heading over more rows than it has lines;
# a click on a clip's row types exactly that clip. The ring holds "12 apples, 30 pears" from the
# case above in slot 1.
case_multi_clipboard() {
    local clip n x y
    for clip in two three four five six seven eight; do copy_line "$clip"; done
    clear_editor
    click_control MPaste || report "the MPaste button is shown" 0
    sleep 1
    for n in 1 2 8; do
        clip=$(sed -n "${n}p" <<<$'12 apples, 30 pears\ntwo\nthree\nfour\nfive\nsix\nseven\neight')
        read -r x y < <(probe where-text "$(main_title)" " $n) ")
        if [ -z "${y:-}" ]; then
            report "the multi-clipboard list shows $n)" 0
            continue
        fi
        xdotool mousemove "$x" "$y" click 1
        expect_text "a click on $n) in the multi-clipboard list types clip $n" "$clip"
        # The program handed the foreground back to the editor; the X focus follows by hand.
        focus_editor
        clear_editor
    done
}

case_exit() {
    probe close "$(main_title)" >/dev/null
    check "closing the main window ends the program" program_ends "$program"
    check "the database is whole after exit, with no temporary file left" database_is_whole
}

# Wine's notepad edits FILE; its text is read from its edit control. Prints what notepad shows.
notepad_text() { # WANT TEXT
    local name=notepad-$RANDOM file title pid
    file=$work/$name.txt
    : >"$file"
    wine notepad "$(winepath -w "$file")" >/dev/null 2>&1 &
    pid=$!
    pids+=("$pid")
    # Its caption names the file, with or without the extension.
    if ! wait_window "$name.* - Notepad" 30; then
        echo "(no notepad window)"
        return
    fi
    title=$(xdotool getwindowname "$(xdotool search --name "^$name.* - Notepad\$" | head -1)")
    probe activate "$title" >/dev/null
    focus_window "^$title\$"
    sleep 0.5
    type_fast "$2"
    local got=""
    for ((i = 0; i < 50; i++)); do
        got=$(probe text "$title")
        [ "$got" = "$1" ] && break
        sleep 0.1
    done
    probe close "$title" >/dev/null
    program_ends "$pid" || kill "$pid" 2>/dev/null
    echo "$got"
}

# Wine hands the events of one SendInput call to the application one by one, so on a busy
# machine a fast typist's key can land inside an expansion (Windows keeps a call's events
# together); a second try in a fresh notepad tells that from a fault of the program's.
notepad_case() { # NAME WANT TEXT
    local got
    got=$(notepad_text "$2" "$3")
    if [ "$got" != "$2" ]; then
        echo "# $1: first try got \"$got\"; once more"
        got=$(notepad_text "$2" "$3")
    fi
    expect "$1" "$2" "$got"
}

# --- The program with the fixture database and the test editor ---
wine "$build/tests/win32/qn-test-editor.exe" "$(winepath -w "$editor_file")" >/dev/null 2>&1 &
pids+=("$!")
wait_window "Quibnote Test Editor" 30
check "quibnote.exe starts and shows its main window" start_program "$work/Quibnote" \
    "$here/fixture/QNhForms.dta"
activate_editor
expect_text "the editor starts empty" ""
case_second_start
case_expander_off_and_on
case_expansions
case_synthetic_run
case_calculate_and_paste
case_multi_clipboard
case_exit

# --- Wine's notepad at a fast typist's pace, with a copy of the shipped database: its
# two-letter short forms and one accented expansion activated ---
shipped=$work/shipped.dta
LC_ALL=C sed 's/^\(cfe\t[^\r]*\)\r$/\1\xB7\r/' "$build/portable/Quibnote/QNhForms.dta" >"$shipped"
check "quibnote.exe starts with the shipped database" start_program "$work/Shipped" "$shipped"
sleep 1
sentence="im vy sy yu hv tt df tg ao mh cfe rl nx wn yu ws fs yn fg dn gv sv "
expanded="I'm very say you have that different thing about much café really next want you"
expanded+=" was first young forget doing give save "
notepad_case "notepad: a sentence of 22 short forms typed at 20 characters a second" \
    "$expanded" "$sentence"
case_exit

echo "e2e-windows: $passed passed, $failed failed"
[ "$failed" = 0 ]
