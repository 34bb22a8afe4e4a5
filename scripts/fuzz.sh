#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build/fuzz and runs them.
#
#   scripts/fuzz.sh                     every target, 30 seconds each
#   scripts/fuzz.sh <target> [seconds]  one target (all: every target)
#
# Each target starts from its seeds (fuzz/corpus/<target>, read only) and
# keeps what it finds in build/fuzz/work/<target>.  Seconds 0 runs the
# corpus once and stops.  Targets run side by side, PLEXO_FUZZ_JOBS at a
# time (default: the number of cores).  PLEXO_FUZZ_BUDGET (seconds) bounds
# the wall time of the fuzzing: with many targets each gets less (never
# under 5 seconds).  A crash, leak, timeout or
# out-of-memory fails the run; the input that caused it is left as
# build/fuzz/artifacts/<target>/<kind>-<hash> and the log beside it.
# PLEXO_FUZZ_SEED fixes libFuzzer's seed (CI uses one, so its runs repeat).
# Replay an input with:  build/fuzz/fuzz/fuzz_<target> <input>
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

target="${1:-all}"
seconds="${2:-30}"
build_dir="${PLEXO_FUZZ_BUILD_DIR:-build/fuzz}"
jobs="${PLEXO_FUZZ_JOBS:-$(nproc)}"
build_jobs="${PLEXO_FUZZ_BUILD_JOBS:-$(nproc)}"

cmake -S . -B "$build_dir" -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
    -DPLEXO_FUZZ=ON -DPLEXO_TESTS=OFF >/dev/null

if [ "$target" = all ]; then
    mapfile -t targets < "$build_dir/fuzz/targets.txt"
    cmake --build "$build_dir" -j "$build_jobs" --target fuzz_all
else
    if ! grep -qx "$target" "$build_dir/fuzz/targets.txt"; then
        echo "no fuzz target named $target (see fuzz/targets.cmake)" >&2
        exit 2
    fi
    targets=("$target")
    cmake --build "$build_dir" -j "$build_jobs" --target "fuzz_$target"
fi

if [ -n "${PLEXO_FUZZ_BUDGET:-}" ] && [ "$seconds" -gt 0 ]; then
    share=$(( PLEXO_FUZZ_BUDGET * jobs / ${#targets[@]} ))
    [ "$share" -lt 5 ] && share=5
    [ "$share" -lt "$seconds" ] && seconds=$share
fi

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$here/tests/support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"

# Runs one target; its log goes to the artifacts folder.
run_target() {
    local name="$1"
    local artifacts="$build_dir/artifacts/$name"
    local work="$build_dir/work/$name"
    mkdir -p "$artifacts" "$work"
    local limits=(-rss_limit_mb=2048 -timeout=10 -print_final_stats=1
                  -artifact_prefix="$artifacts/")
    if [ "$seconds" -gt 0 ]; then
        limits+=(-max_total_time="$seconds")
        # A fixed seed makes a run repeatable: a slower machine runs a
        # prefix of the same sequence of inputs.
        if [ -n "${PLEXO_FUZZ_SEED:-}" ]; then
            limits+=(-seed="$PLEXO_FUZZ_SEED")
        fi
    else
        limits+=(-runs=0)
    fi
    if "$build_dir/fuzz/fuzz_$name" "${limits[@]}" "$work" "fuzz/corpus/$name" \
        >"$artifacts/log.txt" 2>&1; then
        echo "fuzz $name: clean ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' \
            "$artifacts/log.txt" | grep -o '[0-9]*$' || echo '?') runs)"
    else
        echo "fuzz $name: FAILED; input and log in $artifacts" >&2
        grep -E "^(==[0-9]+==ERROR|SUMMARY|.*runtime error)" "$artifacts/log.txt" | head -5 >&2 || true
        return 1
    fi
}
export -f run_target
export build_dir seconds PLEXO_FUZZ_SEED

start=$(date +%s)
status=0
printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_target "$@"' _ {} || status=1
echo "fuzzing took $(( $(date +%s) - start )) s for ${#targets[@]} targets, $seconds s each, $jobs at a time"
exit $status
