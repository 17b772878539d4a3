#!/usr/bin/env bash
# Measures the Linux desktop program on the X display in $DISPLAY, with the built-in database:
# CPU while idle for 10 s at the normal cadence and at full speed, the time from a delimiter's
# key press to the last key of its expansion reaching the target window (a short form, and a
# 1,000-character block of the Quib List), and the memory of the running program. Prints a
# Markdown table for docs/performance.md. A measurement, not a test.
# Usage: tests/x11/measure.sh BUILD_DIR
set -euo pipefail
build=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
pids=()
# Under errexit a kill of a process that has already ended would end the trap, and so the
# script, with its status 1 and the work folder left behind.
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
tick=$(getconf CLK_TCK)

# A Quib List block of 1,000 characters: ten lines, the last one a character longer, joined by
# line breaks (a back-quote where it is stored).
block_lines=()
for i in $(seq 10); do
  line="Line $i of the block:"
  while ((${#line} < 100)); do line+=" the quick brown fox jumps over the lazy dog"; done
  block_lines+=("${line:0:$((i < 10 ? 99 : 100))}")
done
block_stored=$(IFS='`'; echo "${block_lines[*]}")
block_typed="$(IFS=$'\n'; echo "${block_lines[*]}") "

# The built-in database's settings with one change each: field 3 is full speed, field 19 keeps
# the highlighted suggestion off so only the expansion itself is typed. The block is the Added
# record zzaa, the last of its letter group.
folder_with() { # NAME FULLSPEED
  local folder=$work/$1
  mkdir -p "$folder"
  cp "$source_dir"/data/*.dta "$source_dir"/data/*.txt "$folder"/
  awk -v full="$2" 'BEGIN { FS = "[ ]"; OFS = " " } NR == 1 { $3 = full; $19 = "3" } { print }' \
    "$source_dir/data/QNhForms.dta" >"$folder/QNhForms.dta"
  printf 'zzaa\tzzaa\xA1\xA1\xA1\xA1%s\xB0\r\n' "$block_stored" >>"$folder/QNhForms.dta"
  echo "$folder"
}

cpu_percent() { # PID SECONDS
  local a b
  a=$(awk '{ print $14 + $15 }' "/proc/$1/stat")
  sleep "$2"
  b=$(awk '{ print $14 + $15 }' "/proc/$1/stat")
  awk -v d=$((b - a)) -v t="$tick" -v s="$2" 'BEGIN { printf "%.1f", 100 * d / t / s }'
}

start_program() { # FOLDER
  "$build/src/platform/x11/quibnote" --folder "$1" >/dev/null 2>&1 &
  program=$!
  pids+=($program)
  timeout 10 xdotool search --sync --onlyvisible --name "^Quibnote" >/dev/null
  sleep 2
}

"$build/tests/x11/quibnote-test-editor" --title "Measure Editor" --out "$work/editor.txt" \
  --log "$work/editor.log" &
pids+=($!)
editor=$(timeout 10 xdotool search --sync --onlyvisible --name "Measure Editor" | head -1)

start_program "$(folder_with normal 0)"
idle=$(cpu_percent "$program" 10)
rss=$(awk '/VmRSS/ { print $2 }' "/proc/$program/status")
xdotool windowfocus --sync "$editor"
# "ao" is a two-letter short form of the built-in database (use level 2) for "about".
latency=$("$build/tests/x11/quibnote-latency" --log "$work/editor.log" --count 200 --word ao \
  --expect "about " || true)
# The block typed by its short form: the same run of keys a click on its row of the Quib List
# sends once the target window has the focus again.
block=$("$build/tests/x11/quibnote-latency" --log "$work/editor.log" --count 20 --word zzaa \
  --expect "$block_typed" || true)
hwm=$(awk '/VmHWM/ { print $2 }' "/proc/$program/status")
kill "$program"
wait "$program" 2>/dev/null || true

start_program "$(folder_with full 1)"
full=$(cpu_percent "$program" 10)
kill "$program"

echo "| measure | value |"
echo "|---|---|"
echo "| CPU idle, normal cadence, 10 s | $idle % of one core |"
echo "| CPU idle, full speed, 10 s | $full % of one core |"
echo "| delimiter to the last key of \"ao \" → \"about \" (200 runs) | $latency |"
echo "| delimiter to the last key of a 1,000-character Quib List block (20 runs) | $block |"
echo "| memory with the built-in database | $((rss / 1024)) MiB resident at rest, $((hwm / 1024)) MiB peak |"
echo "| load average during the run | $(cut -d' ' -f1-3 /proc/loadavg) |"
