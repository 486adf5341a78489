#!/usr/bin/env bash
# run-case.sh COMMAND... - runs one GoogleTest case (COMMAND is the test
# program, under its emulator if it has one, with a filter that selects the
# case) and tells CTest what came of it by its exit code alone:
#   0   the case passed: GoogleTest said its one case passed, the process
#       ended with 0 and printed no crash of Wine's;
#   77  the case was skipped, and the process ended with 0 all the same;
#   1   anything else, with the reason as the last line of the output.
# Both conditions are needed: the exit code catches what happens after
# GoogleTest's summary (a leak that the sanitizers report at exit, an abort
# in a static destructor, a crash on another thread), and the summary line
# catches what the exit code hides (under Wine a process that crashes on its
# main thread ends with 0 once the crash's backtrace is written).
set -u

out=$(mktemp) || exit 1
trap 'rm -f "$out"' EXIT

# The program's output goes on to CTest as it comes, and is kept for the
# verdict. Standard error is merged, as CTest merges it anyway.
"$@" 2>&1 | tee "$out"
rc=${PIPESTATUS[0]}

verdict() {
  local code=$1
  shift
  [ $# -gt 0 ] && printf 'run-case: %s\n' "$*"
  exit "$code"
}

# Wine's own report of an unhandled exception, written whatever the exit code.
if grep -qE '^wine: Unhandled |^Unhandled exception: ' "$out"; then
  verdict 1 "the case failed: Wine reported an unhandled exception (exit code $rc)"
fi
if grep -qE '^\[  SKIPPED \] 1 test' "$out"; then
  [ "$rc" -eq 0 ] && verdict 77
  verdict 1 "the case was skipped, but its process ended with exit code $rc"
fi
if grep -qE '^\[  PASSED  \] 1 test\.' "$out"; then
  [ "$rc" -eq 0 ] && verdict 0
  verdict 1 "GoogleTest said the case passed, but its process ended with exit code $rc"
fi
if grep -qE '^\[  FAILED  \] ' "$out"; then
  verdict 1 "the case failed (exit code $rc)"
fi
verdict 1 "the case failed: GoogleTest never said it passed (exit code $rc)"
