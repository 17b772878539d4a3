#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs each for a bounded time on its seed corpus. A crash, a
# sanitizer report, a broken property, a hang (one input past the timeout) or a runaway
# allocation fails the run, with the failing input saved under the build folder's artifacts/.
# FUZZ_SECONDS sets the time per target (default 30), FUZZ_BUILD_DIR the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-30}"
build="${FUZZ_BUILD_DIR:-build/fuzz}"

# clang 16: clang 14 rejects parts of C++20 that the project's gcc build accepts (lambdas that
# capture structured bindings), and the fuzz build compiles the whole core library.
packages=(clang-16 libclang-rt-16-dev)
tools/deps.sh "${packages[@]}"

cmake --preset fuzz -B "$build"
cmake --build "$build" -j "$(nproc)" --target quibnote_fuzz

artifacts="$build/artifacts"
mkdir -p "$artifacts"
# target, longest input in bytes, dictionary
targets=(
  "database 16384 -"
  "settings 512 -"
  "normalise 16384 -"
  "add_record 4096 -"
  "markers 1024 markers.dict"
  "keyscript 33 keyscript.dict"
  "calc 4096 calc.dict"
  "voyage 512 calc.dict"
  "custom_list 4096 -"
  "dictionary 1024 keyscript.dict"
  "tips 8192 -"
)
passed=0
failed=0
for entry in "${targets[@]}"; do
  read -r name maxlen dict <<<"$entry"
  work="$(mktemp -d)"
  args=(-max_total_time="$seconds" -max_len="$maxlen" -timeout=20 -rss_limit_mb=2048
        -malloc_limit_mb=512 -print_final_stats=1 -artifact_prefix="$artifacts/$name-")
  [ "$dict" = "-" ] || args+=(-dict="fuzz/$dict")
  log="$build/fuzz_$name.log"
  if "$build/fuzz/fuzz_$name" "${args[@]}" "$work" "fuzz/corpus/$name" >"$log" 2>&1; then
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    echo "fuzz_$name: ${runs:-?} executions in ${seconds} s, no fault"
    passed=$((passed + 1))
  else
    echo "fuzz_$name: FAULT"
    grep -E "property does not hold|ERROR|runtime error|SUMMARY|Test unit written" "$log" || tail -20 "$log"
    failed=$((failed + 1))
  fi
  rm -rf "$work"
done
echo "fuzz: $passed passed, $failed failed"
((failed == 0))
