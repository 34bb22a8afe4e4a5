#!/usr/bin/env bash
# Lists the C++ sources that clang-format would change and fails when there
# are any.  With --fix, formats them in place instead.  The layout is in
# .clang-format (library/ and tests/library/ add their own pointer style).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

mode=check
if [ "${1:-}" = "--fix" ]; then
    mode=fix
fi

# tests/data holds expected generator output, compared byte for byte: it is
# not formatted.
mapfile -t files < <(git ls-files -- '*.cpp' '*.h' ':!:tests/data/*')

if [ "$mode" = fix ]; then
    printf '%s\0' "${files[@]}" | xargs -0 -n 50 clang-format -i
    exit 0
fi

unformatted=()
for file in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
        unformatted+=("$file")
    fi
done

if [ ${#unformatted[@]} -ne 0 ]; then
    echo "Not formatted (run scripts/check-format.sh --fix):"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
