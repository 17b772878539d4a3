#!/usr/bin/env bash
# The expansion latency on a Windows desktop under Wine. The user types "abt " COUNT times with
# the real keyboard (xdotool, as in e2e.sh) into the test editor, and "about " replaces it each
# time. From the editor's key log it takes two times: from the delimiter's key press to the last
# key of the expansion, by the system's times of the two events (milliseconds; what the program
# takes to see the key and send its answer), and from the delimiter reaching the editor to the
# editor's text showing the whole expansion (what the user sees, with the editor's own work).
# A measurement, not a test: it prints medians and 90th percentiles and passes no judgement.
# With --block the user types "zzaa " instead, the short form of a 1,000-character block of the
# Quib List (ten lines), and the last key is the block's.
#
#   tests/win32/latency.sh BUILD_DIR [COUNT] [--block]
#
# Needs DISPLAY and WINEPREFIX, as e2e.sh does (tools/windows-e2e.sh makes both).
set -uo pipefail

build=$(cd "$1" && pwd)
count=${2:-40}
word=abt
# The editor's length of one expansion and its delimiter (a line break counts CR and LF).
length=6
wait_tenths=100
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
folder=$work/Quibnote
editor_file=$work/editor.txt
key_log=$work/keys.log
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

probe() { wine "$build/tests/win32/qn-probe.exe" "$@" 2>/dev/null | tr -d '\r'; }

wait_window() { # TITLE SECONDS
    for ((i = 0; i < $2 * 10; i++)); do
        xdotool search --name "^$1\$" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

mkdir -p "$folder"
cp "$build"/portable/Quibnote/* "$folder"/
cp "$here/fixture/QNhForms.dta" "$folder/"
if [ "${3:-}" = --block ]; then
    # Ten lines of 99 characters, the last of 100, joined by line breaks (a back-quote where it is
    # stored): the Added record zzaa, the last of its letter group.
    block=""
    for i in $(seq 10); do
        line="Line $i of the block:"
        while ((${#line} < 100)); do line+=" the quick brown fox jumps over the lazy dog"; done
        block+="${line:0:$((i < 10 ? 99 : 100))}"
        [ "$i" -lt 10 ] && block+='`'
    done
    printf 'zzaa\tzzaa\xA1\xA1\xA1\xA1%s\xB0\r\n' "$block" >>"$folder/QNhForms.dta"
    word=zzaa
    length=$((1000 + 9 + 1))
    # Wine's edit control takes about 10 s to show the block.
    wait_tenths=600
fi
wine "$build/tests/win32/qn-test-editor.exe" "$(winepath -w "$editor_file")" \
    "$(winepath -w "$key_log")" >/dev/null 2>&1 &
pids+=("$!")
wait_window "Quibnote Test Editor" 30 || { echo "latency: no editor" >&2; exit 1; }
(cd "$folder" && exec wine quibnote.exe) >/dev/null 2>&1 &
pids+=("$!")
wait_window Quibnote 30 || { echo "latency: quibnote.exe did not start" >&2; exit 1; }
main_id=$(xdotool search --name '^Quibnote$' | head -1)
probe activate "Quibnote Test Editor" >/dev/null
sleep 1

# Each key held 80 ms with 40 ms between keys, as e2e.sh types; then the expansion is waited
# for, so that every delimiter finds the program idle.
keys=()
for ((i = 0; i < ${#word}; i++)); do
    keys+=(keydown "${word:i:1}" sleep 0.08 keyup "${word:i:1}" sleep 0.04)
done
keys+=(keydown space sleep 0.08 keyup space)
for ((n = 1; n <= count; n++)); do
    xdotool "${keys[@]}"
    for ((i = 0; i < wait_tenths; i++)); do
        [ "$(wc -c <"$editor_file")" -ge $((length * n)) ] && break
        sleep 0.1
    done
    sleep 0.3
done
probe close "$(xdotool getwindowname "$main_id")" >/dev/null

# The user's space (the first after the user's last letter of the word, not the program's own)
# starts a measurement; the text reaching the length of n expansions ends it, and the latest key
# before that is the expansion's last. The program's own keys are told by their mark, or (a
# program that marks none) by coming while a measurement is open.
last_letter=$(printf '%d' "'${word: -1}")
awk -v letter=$((last_letter - 32)) -v size="$length" '
    $2 == "key" && $4 == 0 && $3 == letter && !open { typed = 1 }
    $2 == "key" && $4 == 0 && $3 == 32 && typed && !open {
        n++; start = $1; pressed = $5; open = 1; typed = 0; next
    }
    $2 == "key" && open { last = $5 }
    $2 == "text" && open && $3 == size * n { print last - pressed, ($1 - start) / 1000; open = 0 }
' "$key_log" >"$work/times"
summary() { # COLUMN NAME
    cut -d' ' -f"$1" "$work/times" | sort -n | awk -v name="$2" -v asked="$count" '
        { v[NR] = $1 }
        END {
            if (NR == 0) { print "latency: no expansion measured"; exit 1 }
            printf "%s: %d of %d expansions, median %.1f ms, 90th percentile %.1f ms\n",
                   name, NR, asked, v[int((NR + 1) / 2)], v[int(NR * 0.9 + 0.5)]
        }'
}
summary 1 "delimiter to the last key sent"
summary 2 "delimiter in the editor to the whole expansion shown"
