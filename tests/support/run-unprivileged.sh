#!/bin/sh
# Runs the named cases of a test program as the unprivileged user 'nobody'
# (uid 65534) when the tests run as root, so that the cases about file and
# folder permissions, which the superuser is never refused, run too.  The
# program runs in place (the build must be readable by everyone); HOME,
# TMPDIR and the runtime folder point into a fresh folder the user owns.
#
#   run-unprivileged.sh <test program> <gtest filter>
#
# Exits with 77 (the test's SKIP_RETURN_CODE) when there is nothing to do:
# not root (the program's own run covers the cases), or no way to switch.
set -eu

program="$1"
filter="$2"
skip=77

if [ "$(id -u)" != 0 ]; then
    echo "Not root: the cases ran in the program's own test."
    exit $skip
fi
if ! command -v setpriv >/dev/null 2>&1 || ! getent passwd 65534 >/dev/null 2>&1; then
    echo "No setpriv or no user 65534: the cases cannot run unprivileged here."
    exit $skip
fi

home="$(mktemp -d "${TMPDIR:-/tmp}/plexo-unprivileged-XXXXXX")"
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
chown -R 65534:65534 "$home"

# A build in a folder the user cannot enter (a home folder, say) cannot run
# as that user at all: say so and skip rather than fail.
if ! setpriv --reuid=65534 --regid=65534 --clear-groups \
    env HOME="$home" TMPDIR="$home" "$program" --gtest_list_tests >/dev/null 2>&1; then
    echo "The unprivileged user cannot run $program (its folder is not readable to all)."
    exit $skip
fi

# The output must show every selected case run and passed: a case that still
# skips (the switch did not take) or a filter that selects nothing fails.
output="$home/output.txt"
status=0
setpriv --reuid=65534 --regid=65534 --clear-groups \
    env HOME="$home" TMPDIR="$home" XDG_RUNTIME_DIR="$home/runtime" \
    "$program" --gtest_filter="$filter" >"$output" 2>&1 || status=$?
cat "$output"
if [ $status -ne 0 ]; then
    exit $status
fi
if grep -q '^\[  SKIPPED \]' "$output"; then
    echo "A case skipped under the unprivileged user."
    exit 1
fi
if ! grep -q '^\[  PASSED  \] [1-9]' "$output"; then
    echo "No case matched $filter."
    exit 1
fi
