#!/usr/bin/env bash
# Runs one of Plexo's programs from a fresh clone:
#   scripts/run.sh kilnsmith [files...]
# installs what the build needs (scripts/setup.sh), builds the release
# configuration in build/release and starts the program with the files.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

usage() {
    echo "usage: scripts/run.sh <program> [files...]   (programs: kilnsmith, orchard)" >&2
}

if [ $# -lt 1 ]; then
    usage
    exit 2
fi
program="$1"
shift

case "$program" in
    kilnsmith) folder="kilnsmith" ;;
    orchard) folder="orchard" ;;
    *)
        echo "run.sh: no program called '$program'." >&2
        usage
        exit 2
        ;;
esac

if [ ! -f "$root/$folder/CMakeLists.txt" ]; then
    echo "run.sh: $program is not built yet: its sources are not in this tree." >&2
    exit 1
fi

"$root/scripts/setup.sh"
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLEXO_TESTS=OFF >/dev/null
if ! cmake --build "$build" --target "$program"; then
    echo "run.sh: $program is not built yet: the build has no such program or it failed." >&2
    exit 1
fi

executable="$build/$folder/$program"
if [ ! -x "$executable" ]; then
    executable="$(find "$build" -type f -name "$program" -perm -u+x -print -quit)"
fi
if [ -z "$executable" ] || [ ! -x "$executable" ]; then
    echo "run.sh: $program is not built yet: the build made no $program program." >&2
    exit 1
fi
exec "$executable" "$@"
