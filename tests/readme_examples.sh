#!/usr/bin/env bash
# Runs every simulated-desktop example of README.md and checks what it prints: an example is an
# indented line "printf '...' | tools/run.sh", and the next line that begins with "prints `"
# holds its expected output between the backticks.
# Usage: readme_examples.sh README QUIBNOTE_SIM
set -euo pipefail
readme=$1
sim=$2
failed=0
count=0
script=""
while IFS= read -r line; do
  if [[ $line =~ ^\ +printf\ \'(.*)\'\ \|\ tools/run\.sh$ ]]; then
    script=${BASH_REMATCH[1]}
  elif [[ -n $script && $line =~ ^prints\ \`([^\`]*)\` ]]; then
    expected=${BASH_REMATCH[1]}
    actual=$(printf "$script" | "$sim")
    count=$((count + 1))
    if [[ $actual != "$expected" ]]; then
      echo "README example: printf '$script'"
      echo "  expected: $expected"
      echo "  got:      $actual"
      failed=$((failed + 1))
    fi
    script=""
  fi
done <"$readme"
echo "$((count - failed)) passed, $failed failed"
[[ $count -gt 0 && $failed -eq 0 ]]
