#!/usr/bin/env bash
# The test command: installs what is missing, configures a sanitizer build
# (AddressSanitizer, UndefinedBehaviorSanitizer, LeakSanitizer), builds
# everything and runs every test through CTest (each fuzz target's corpus
# included).  In CI (CI set) or with PLEXO_FUZZ_SECONDS above 0 it then
# fuzzes every target for that many seconds (CI: 30) with scripts/fuzz.sh,
# within a budget of PLEXO_FUZZ_BUDGET seconds for all of them (600).
# PLEXO_FUZZ_IF_DONE_WITHIN (seconds) skips that fuzzing when building and
# testing took longer: a slow machine would not finish the fuzzing build too
# within its time (the corpora still ran as tests).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

scripts/setup.sh

# The layout check runs once the tree has been formatted as a whole (the
# marker file is added with that formatting).
if [ -e .clang-format-enforced ]; then
    scripts/check-format.sh
fi

build_dir="${PLEXO_TEST_BUILD_DIR:-build/test}"
jobs="$(nproc)"
# The layering check reads the build's targets through CMake's file API,
# which answers the queries present when the build is configured.
mkdir -p "$build_dir/.cmake/api/v1/query"
touch "$build_dir/.cmake/api/v1/query/codemodel-v2"
cmake -S . -B "$build_dir" -G Ninja \
    -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
    -DPLEXO_SANITIZE=ON -DPLEXO_TESTS=ON -DPLEXO_WERROR=ON
# Every module is a folder and includes only what it depends on.
python3 scripts/check-layers.py "$build_dir"
cmake --build "$build_dir" -j "$jobs"
ctest --test-dir "$build_dir" --output-on-failure -j "$jobs"

fuzz_seconds="${PLEXO_FUZZ_SECONDS:-}"
if [ -z "$fuzz_seconds" ] && [ -n "${CI:-}" ]; then
    fuzz_seconds=30
fi
if [ "${fuzz_seconds:-0}" -gt 0 ] && [ -n "${PLEXO_FUZZ_IF_DONE_WITHIN:-}" ] &&
    [ "$SECONDS" -gt "$PLEXO_FUZZ_IF_DONE_WITHIN" ]; then
    echo "fuzzing skipped: building and testing took ${SECONDS} s, more than ${PLEXO_FUZZ_IF_DONE_WITHIN} s"
    fuzz_seconds=0
fi
if [ "${fuzz_seconds:-0}" -gt 0 ]; then
    PLEXO_FUZZ_BUDGET="${PLEXO_FUZZ_BUDGET:-600}" scripts/fuzz.sh all "$fuzz_seconds"
fi
