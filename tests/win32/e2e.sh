#!/usr/bin/env bash
# End to end on a Windows desktop under Wine: quibnote.exe runs from a portable folder with the
# fixture database while the user types with the real keyboard (xdotool, through X and Wine)
# into a Windows text editor; the editor's text is read back after each step.
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
folder=$work/Quibnote
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

window_exists() { xdotool search --name "^$1\$" >/dev/null 2>&1; }

wait_window() { # TITLE SECONDS
    for ((i = 0; i < $2 * 10; i++)); do
        window_exists "$1" && return 0
        sleep 0.1
    done
    return 1
}

# Gives the editor the X input focus, where the keys typed through the X server go. Wine without a
# window manager moves it only now and then when a window of another process is made the
# foreground: it asks for the focus with the time of the latest message the editor's thread took,
# converted to the X server's time by an offset each process guesses from its first X event, and
# the X server ignores a request older than the last change (the click on the program's window,
# or the second start's raise of its main window). Windows gives a foreground window the keyboard;
# here the test does it wherever the program has handed the foreground back to the editor.
focus_editor() {
    xdotool windowfocus --sync "$(xdotool search --name '^Quibnote Test Editor$' | head -1)"
}

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
    if [ "$got" = "$2" ]; then
        report "$1" 1
    else
        report "$1" 0 "expected \"$2\", got \"$got\""
    fi
}

# Each key is held 80 ms, as a typist holds it: a shorter press can fall between two of the
# program's readings when Wine is slow to schedule it on a loaded machine.
type_keys() {
    local chain=() c key
    for ((i = 0; i < ${#1}; i++)); do
        c=${1:i:1}
        case $c in
        " ") key=space ;;
        ",") key=comma ;;
        *) key=$c ;;
        esac
        chain+=(keydown "$key" sleep 0.08 keyup "$key" sleep 0.04)
    done
    xdotool "${chain[@]}"
}

clear_editor() {
    xdotool key --delay 60 ctrl+a BackSpace
    expect_text "the editor is emptied" ""
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

# --- The program folder, the editor and the program ---
mkdir -p "$folder"
cp "$build"/portable/Quibnote/* "$folder"/
cp "$here/fixture/QNhForms.dta" "$folder/"

wine "$build/tests/win32/qn-test-editor.exe" "$(winepath -w "$editor_file")" >/dev/null 2>&1 &
pids+=("$!")
wait_window "Quibnote Test Editor" 30
(cd "$folder" && exec wine quibnote.exe) >/dev/null 2>&1 &
program=$!
pids+=("$program")
check "quibnote.exe starts and shows its main window" wait_window Quibnote 30
# The caption changes while the user types (it previews expansions), so the main window is
# followed by its X window, and its title asked for when the probe needs it.
main_id=$(xdotool search --name '^Quibnote$' | head -1)
main_title() { xdotool getwindowname "$main_id"; }
activate_editor
expect_text "the editor starts empty" ""

# A second start finds the first running and ends at once.
second_start() { (cd "$folder" && timeout 20 wine quibnote.exe) >/dev/null 2>&1; }
check "a second start ends at once" second_start
check "the first keeps running" kill -0 "$program"
# The second start gave the first copy's main window the foreground; Wine's X driver takes the
# focus there a moment later, so the editor is activated only after that has landed.
sleep 2
activate_editor
sleep 0.5
xdotool key Escape

# --- Keys typed into the editor reach the key state the program polls ---
xdotool key F9
check "F9 typed in the editor turns the expander off" wait_window "Quibnote: -X->" 10
xdotool key F9
check "F9 again turns it back on" wait_window Quibnote 10
# The caption changes first; then the program pauses half a second and discards the letters
# typed meanwhile. The pause runs at least 10,000 event steps, which take over a second under
# Wine on a loaded machine, and the first F9's pause can still be running.
sleep 3

# --- Expansions typed by the program into the editor ---
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
expect_text "a character no key types goes through the clipboard" 'about Line one\nLine two café '
clip=$(probe clipboard)
if [ "$clip" = "clipboard: kept safe" ]; then
    report "the clipboard is given back afterwards" 1
else
    report "the clipboard is given back afterwards" 0 "$clip"
fi
clear_editor

# --- Synthetic input in one run, and the program that owns a window ---
probe send "Quibnote Test Editor" "Run 1 of café €“" >/dev/null
expect_text "a run arrives whole, with characters no key types as themselves" "Run 1 of café €“"
clear_editor
got=$(probe program "Quibnote Test Editor")
if [ "$got" = "program: qn-test-editor" ]; then
    report "the editor's program is its executable's name" 1
else
    report "the editor's program is its executable's name" 0 "$got"
fi

# --- Calculate and paste: a copied selection, then the CPaste button clicked with the mouse ---
type_keys "12 apples, 30 pears"
xdotool key --delay 60 shift+Home ctrl+c End Return
read -r x y < <(probe where "$(main_title)" CPaste)
if [ -n "${y:-}" ]; then
    xdotool mousemove "$x" "$y" click 1
    expect_text "CPaste types the sum of the copied numbers" '12 apples, 30 pears\n42'
    focus_editor
else
    report "CPaste types the sum of the copied numbers" 0 "no CPaste button"
fi

# --- The multi-clipboard: at the default font size the box wraps the list's heading over more
# rows than it has lines; a click on a clip's line still types that clip ---
clear_editor
for clip in "second clip" "third clip"; do
    type_keys "$clip"
    xdotool key --delay 60 shift+Home ctrl+c End Return
    sleep 0.5
done
clear_editor
read -r x y < <(probe where "$(main_title)" MPaste)
[ -n "${y:-}" ] && xdotool mousemove "$x" "$y" click 1
sleep 1
# Each clip is clicked where the box shows it, whatever its number in the ring.
for clip in "third clip" "second clip"; do
    read -r x y < <(probe where-text "$(main_title)" "$clip")
    if [ -z "${y:-}" ]; then
        report "the multi-clipboard list shows $clip" 0
        continue
    fi
    xdotool mousemove "$x" "$y" click 1
    sleep 1
    focus_editor
    type_keys " "
done
expect_text "a click on a clip's line of the multi-clipboard list types that clip" \
    'third clip second clip '

# --- Closing the main window ends the program and leaves a whole database ---
probe close "$(main_title)" >/dev/null
check "closing the main window ends the program" program_ends "$program"
check "the database is whole after exit, with no temporary file left" database_is_whole

echo "e2e-windows: $passed passed, $failed failed"
[ "$failed" = 0 ]
