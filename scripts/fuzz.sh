#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehavior-
# Sanitizer) in build/fuzz and runs them from the committed seeds for
# SECONDS in all (default 330), spread evenly over the targets. A crash stops
# the run; its input is left in build/fuzz/crashes/ and should become a
# regression test. Each target's executions per second are printed.
set -euo pipefail
cd "$(dirname "$0")/.."
total="${1:-330}"
targets=(leading_number whole_number number_text event_parser cli_run angle_text satellite_list
  api_calls rain_fade_inputs rain_fade_options rain_map site_store)
seconds=$((total / ${#targets[@]}))
[ "$seconds" -ge 5 ] || seconds=5
build=build/fuzz
san="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
san+=" -fsanitize-coverage-ignorelist=$PWD/fuzz/coverage_ignore.txt"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$san" \
  -DKESTRION_FUZZ=ON -DBUILD_TESTING=OFF -DKESTRION_GUI=OFF -DKESTRION_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"${FUZZ_JOBS:-2}"

# A smaller quarantine and shorter allocation stacks than AddressSanitizer's
# defaults: the targets that open a calculator or write a file per input
# spend a third of their time faulting in fresh pages and recording stacks
# (api_calls 131 -> 173 runs/s, site_store 174 -> 233); freed memory is still
# poisoned for the last 16 MB of frees.
# The store's target frees Qt's file buffers many times per input: with a
# quarantine of 4 MB they are reused before they have to be faulted in anew
# (a fifth less time per input).
asan_default="${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=8}"
declare -A asan=([site_store]="${ASAN_OPTIONS:-quarantine_size_mb=4:malloc_context_size=8}")

# Qt keeps caches (QSettings' files) that libFuzzer's leak check takes for
# leaks: it would run LeakSanitizer after every input, at a tenth of the rate.
declare -A flags=([site_store]=-detect_leaks=0)

mkdir -p "$build/crashes"
for target in "${targets[@]}"; do
  work="$build/corpus/$target"   # grows as the fuzzer learns; the seeds stay as committed
  mkdir -p "$work"
  echo "fuzz: $target for ${seconds}s"
  status=0
  ASAN_OPTIONS="${asan[$target]:-$asan_default}" \
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 ${flags[$target]:-} \
    -artifact_prefix="$build/crashes/$target-" "$work" "fuzz/corpus/$target" \
    >"$build/$target.log" 2>&1 || status=$?
  grep -E '^(#[0-9]+ *DONE|stat::(number_of_executed_units|average_exec_per_sec)|SUMMARY|artifact_prefix|Test unit written)' \
    "$build/$target.log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$build/$target.log" >&2
    echo "fuzz: $target failed (status $status); inputs in $build/crashes/" >&2
    exit 1
  fi
done
