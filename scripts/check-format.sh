#!/usr/bin/env bash
# Lists the C++ sources that clang-format would change and fails when there
# are any.  With --fix, formats them in place instead.  The layout is in
# .clang-format (library/ and tests/library/ add their own pointer style).
#
# clang-format runs on batches of files, one batch per core at a time: one
# process per file spent most of its time starting up.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

mode=check
if [ "${1:-}" = "--fix" ]; then
    mode=fix
fi

jobs="$(nproc 2>/dev/null || echo 2)"
batch=50

# tests/data holds expected generator output, compared byte for byte: it is
# not formatted.
mapfile -t files < <(git ls-files -- '*.cpp' '*.h' ':!:tests/data/*')
if [ ${#files[@]} -eq 0 ]; then
    exit 0
fi

if [ "$mode" = fix ]; then
    printf '%s\0' "${files[@]}" | xargs -0 -P "$jobs" -n "$batch" clang-format -i
    exit 0
fi

# Each batch writes its diagnostics to a file of its own, so that batches
# running side by side cannot interleave their lines.
logs="$(mktemp -d)"
trap 'rm -rf "$logs"' EXIT

status=0
# shellcheck disable=SC2016 # the batch's own shell expands "$@" and "$0"
printf '%s\0' "${files[@]}" |
    xargs -0 -P "$jobs" -n "$batch" sh -c \
        'clang-format --dry-run --Werror --ferror-limit=1 "$@" >/dev/null 2>"$(mktemp "$0/batch.XXXXXX")"' "$logs" ||
    status=$?

# A file that is off gives "<file>:<line>:<col>: error: code should be
# clang-formatted [-Wclang-format-violations]", followed by the source line.
report="$(cat "$logs"/batch.* 2>/dev/null || true)"
mapfile -t unformatted < <(printf '%s\n' "$report" |
    sed -n 's/^\(.*\):[0-9]*:[0-9]*: \(warning\|error\): code should be clang-formatted.*/\1/p' | sort -u)

if [ ${#unformatted[@]} -ne 0 ]; then
    echo "Not formatted (run scripts/check-format.sh --fix):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi

# clang-format failed without naming a file that is off (a bad
# .clang-format, an unreadable file, no clang-format): show what it said.
if [ "$status" -ne 0 ]; then
    echo "clang-format failed (exit status $status):"
    printf '%s\n' "$report"
    exit 1
fi
