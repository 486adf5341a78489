#!/usr/bin/env bash
# cmake/CaseListing.cmake under a real CTest, with small programs standing
# in for test programs: a good listing adds one test per case (kept until
# the program changes); a listing that prints nothing, fails, runs out of
# time or prints what is not a case list gives PROGRAM.ListingFailed, which
# fails with the reason and is never kept; one that succeeds only when asked
# again is named.
set -u
root=$1
ctest=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# program NAME BODY - a stand-in test program, a shell script.
program() {
  printf '#!/usr/bin/env bash\n%s\n' "$2" >"$work/$1"
  chmod +x "$work/$1"
}
# Every program of the test, read by CTest as the build's test files are.
programs=(good silent failing garbage crashed slow flaky)
: >"$work/CTestTestfile.cmake"
for name in "${programs[@]}"; do
  cat >"$work/$name.cases.cmake" <<CMAKE
include([==[$root/cmake/CaseListing.cmake]==])
orlenta_list_cases(PROGRAM $name EXECUTABLE [==[$work/$name]==] EMULATOR
  RUNNER [==[$root/tools/run-case.sh]==] CACHE [==[$work/$name.list.cmake]==]
  WORKING_DIRECTORY [==[$work]==] SERIAL FALSE TIMEOUT 10 LISTING_TIMEOUT 2
  CMAKE_COMMAND [==[$(command -v cmake)]==] DEFINED_IN [==[$work/$name.cases.cmake]==])
CMAKE
  echo "include(\"$work/$name.cases.cmake\")" >>"$work/CTestTestfile.cmake"
done

list='echo "Running main() from gtest_main.cc"; printf "Suite.\n  One\n  Two\nValues/Param.\n  Each/0  # GetParam() = [1;2]\n"'
program good "$list"
program silent 'exit 0'
program failing 'echo "cannot start"; exit 1'
program garbage 'printf "Suite.\n  One\nerr: a line of something else\n"'
# Its list, then Wine's report of a crash on the main thread, and 0.
program crashed "$list; echo 'wine: Unhandled page fault on read access to 0000000000000000' >&2"
program slow 'sleep 10'
# Prints nothing the first time it is asked, its list from then on.
program flaky "if [ -e '$work/flaky.asked' ]; then $list; else touch '$work/flaky.asked'; fi"

# The tests CTest lists, and what it printed to standard error.
read_tests() {
  (cd "$work" && "$ctest" -N 2>"$work/stderr") | sed -nE 's/^ *Test +#[0-9]+: (.*)$/\1/p' | sort
}
expected=$(printf '%s\n' Suite.One Suite.Two Values/Param.Each/0 Suite.One Suite.Two Values/Param.Each/0 \
  silent.ListingFailed failing.ListingFailed garbage.ListingFailed crashed.ListingFailed slow.ListingFailed | sort)
got=$(read_tests)
[ "$got" = "$expected" ] || fail "the tests listed: $(echo $got); expected: $(echo $expected)"
grep -q '^listed only when asked again: flaky' "$work/stderr" || fail "the program that listed its cases when asked again was not named"
grep -q 'listed only when asked again: \(good\|silent\|failing\|garbage\|crashed\|slow\)' "$work/stderr" \
  && fail "a program was named as listed when asked again that was not"

# The failing tests fail, each with its reason; a good case's command runs.
(cd "$work" && "$ctest" --output-on-failure -R 'ListingFailed' >"$work/run" 2>&1)
for name in silent failing garbage crashed slow; do
  grep -qE "[0-9]+ - $name\.ListingFailed \(Failed\)" "$work/run" || fail "$name.ListingFailed did not fail"
done
grep -q 'silent could not list its cases: the listing named no case' "$work/run" || fail "no reason for the silent program"
grep -q 'crashed could not list its cases: the listing crashed' "$work/run" || fail "no reason for the program that crashed"
grep -q 'failing could not list its cases: the listing ended with: 1' "$work/run" || fail "no reason for the failing program"
grep -q 'garbage could not list its cases: the listing printed a line that is not part of a case list' "$work/run" \
  || fail "no reason for the program that printed what is not a list"
grep -q 'slow could not list its cases: the listing ended with: Process terminated due to timeout' "$work/run" \
  || fail "no reason for the program that ran out of time"

# A failed listing is not kept: the next run asks again, and a program that
# lists its cases now has them.
for name in silent failing garbage crashed slow; do
  [ -e "$work/$name.list.cmake" ] && fail "the failed listing of $name was kept"
done
program silent "$list"
grep -q '^silent.ListingFailed$' <<<"$(read_tests)" && fail "the silent program was not asked again"
# A good listing is kept until the program changes; a changed program that
# lists nothing fails, whatever it listed before.
[ -e "$work/good.list.cmake" ] || fail "the good listing was not kept"
program good 'exit 0'
touch -d '+2 seconds' "$work/good"
grep -q '^good.ListingFailed$' <<<"$(read_tests)" || fail "the kept listing of a changed program was used"

[ $failures -eq 0 ] && echo "listing as expected"
[ $failures -eq 0 ]
