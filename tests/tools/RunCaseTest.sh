#!/usr/bin/env bash
# tools/run-case.sh against a table of what a case's process can print and
# how it can end: only a case that GoogleTest says passed and whose process
# ended with 0 (and printed no crash of Wine's) passes; a skipped case is
# skipped only when its process ended with 0.
set -u
runner=$1
failures=0

# case name | what the process prints (printf %b) | its exit code | verdict
rows=(
  "passed|[  PASSED  ] 1 test.\n|0|0"
  "passed, lines ending in CR LF|[ RUN      ] A.B\r\n[  PASSED  ] 1 test.\r\n|0|0"
  "passed, then a leak reported at exit|[  PASSED  ] 1 test.\nSUMMARY: AddressSanitizer: 100 byte(s) leaked\n|23|1"
  "passed, then an abort at exit|[  PASSED  ] 1 test.\n|3|1"
  "passed, then a crash on another thread|[  PASSED  ] 1 test.\n|5|1"
  "passed, then a crash on the main thread (Wine ends it with 0)|[  PASSED  ] 1 test.\nwine: Unhandled page fault on read access to 0000000000000000 at address 0000000140001000 (thread 0024), starting debugger...\nUnhandled exception: page fault on read access to 0x00000000 in 64-bit code\n|0|1"
  "a crash on the main thread before the summary|[ RUN      ] A.B\nwine: Unhandled page fault on read access to 0000000000000000\n|0|1"
  "nothing printed (a program start that failed)||0|1"
  "no case matched the filter|[  PASSED  ] 0 tests.\n|0|1"
  "failed|[  FAILED  ] A.B (0 ms)\n[  PASSED  ] 0 tests.\n[  FAILED  ] 1 test, listed below:\n|1|1"
  "skipped|[  SKIPPED ] 1 test, listed below:\n[  PASSED  ] 0 tests.\n|0|77"
  "skipped, then an abort at exit|[  SKIPPED ] 1 test, listed below:\n|3|1"
)

for row in "${rows[@]}"; do
  IFS='|' read -r name printed code expected <<<"$row"
  output=$("$runner" bash -c 'printf "%b" "$1"; exit "$2"' fake "$printed" "$code")
  verdict=$?
  if [ "$verdict" != "$expected" ]; then
    echo "FAILED: $name: verdict $verdict, expected $expected; output:"
    printf '%s\n' "$output"
    failures=$((failures + 1))
  elif [ "$verdict" = 1 ] && ! grep -q '^run-case: ' <<<"$output"; then
    echo "FAILED: $name: failed without saying why; output:"
    printf '%s\n' "$output"
    failures=$((failures + 1))
  fi
  # What the process printed reaches CTest unchanged.
  if [ -n "$printed" ] && ! grep -qF "$(printf '%b' "$printed" | head -n 1 | tr -d '\r')" <<<"$output"; then
    echo "FAILED: $name: the process's output was not passed on"
    failures=$((failures + 1))
  fi
done

[ $failures -eq 0 ] && echo "all ${#rows[@]} rows as expected"
[ $failures -eq 0 ]
