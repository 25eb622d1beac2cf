#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs each in turn for SECONDS (default 600);
# naming targets after SECONDS runs just those, so that two cores can take
# half the targets each.
# New inputs that reach new code are merged into the target's stored corpus;
# a crash, leak, time-out or memory blow-up is kept there too, as
# crash-*/leak-*/timeout-*/oom-*, so that the replay test fails until it is
# fixed. Prints one line per target: executions, executions per second,
# corpus size, findings. Too long for CI, which replays the corpora instead.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
[ $# -gt 0 ] && shift
chosen=("$@")
scripts/install-deps.sh clang libclang-rt-dev
build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVERDALON_BUILD_APP=ON -DVERDALON_BUILD_BENCH=OFF -DVERDALON_SANITIZE=ON -DVERDALON_LIBFUZZER=ON > /dev/null
# Each target, and where its binary and its stored corpus are.
targets=(
  "translate_fuzz translator/fuzz"
  "reply_parsers_fuzz protocol/fuzz"
  "screen_stream_fuzz protocol/fuzz"
  "listing_replies_fuzz protocol/fuzz"
  "profile_files_fuzz app/fuzz/profiles"
  "settings_fuzz app/fuzz/settings"
)
if [ ${#chosen[@]} -gt 0 ]; then
  kept=()
  for entry in "${targets[@]}"; do
    for name in "${chosen[@]}"; do [ "${entry%% *}" = "$name" ] && kept+=("$entry"); done
  done
  [ ${#kept[@]} -eq ${#chosen[@]} ] || { echo "Unknown fuzz target among: ${chosen[*]}" >&2; exit 2; }
  targets=("${kept[@]}")
fi
names=()
for entry in "${targets[@]}"; do names+=("${entry%% *}"); done
cmake --build "$build" -j "$(nproc)" --target "${names[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
printf '%-22s %12s %9s %8s %s\n' target executions exec/s corpus findings
for entry in "${targets[@]}"; do
  read -r name folder <<< "$entry"
  binary="$build/$folder/$name"
  stored="$folder/corpus"
  work="$build/fuzz-work/$name"
  log="$build/fuzz-work/$name.log"
  mkdir -p "$work"
  before=$(find "$stored" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  "$binary" "$work" "$stored" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$stored/" > "$log" 2>&1 || true
  "$binary" -merge=1 "$stored" "$work" >> "$log" 2>&1 || true
  after=$(find "$stored" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  printf '%-22s %12s %9s %8s %s\n' "$name" "${executions:-?}" "${rate:-?}" "$(find "$stored" -maxdepth 1 -type f | wc -l)" \
    "$((after - before)) (log: $log)"
done
