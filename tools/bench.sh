#!/usr/bin/env bash
# Builds the Windows build and runs its benchmarks under Wine, in the
# project's prefix on a private display, each printing its figures beside
# its target.
#   tools/bench.sh [--unpinned | --both] [name ...]
# Names are the benchmark programs without "_bench" (startup, table, search,
# chardata, forms, copybox); none runs them all.
#
# By default Wine's server, its desktop and services and the benchmark share
# one CPU (taskset). On this VM waking a process that waits on another CPU
# costs ~50 us (a pipe round trip between two processes: ~50 us across CPUs,
# ~7 us on one), and nearly every window call of a Wine program is such a
# round trip to the wineserver. Unpinned, a start-up of a few hundred window
# calls measures mostly the VM's scheduler; pinned, it measures the program.
# --unpinned runs them the plain way (whatever CPUs the system picks);
# --both runs them pinned, then unpinned.
# ORLENTA_BENCH_CPU picks the CPU (default: the last one).
#
# Wine's server of the prefix is restarted for each way, so that all of Wine
# starts under the chosen affinity: run no tests of this tree meanwhile.
set -u
source "$(dirname "$0")/harness.sh"
cd "$ORLENTA_ROOT"

modes=(pinned)
names=()
for arg in "$@"; do
  case $arg in
    --unpinned) modes=(unpinned) ;;
    --both) modes=(pinned unpinned) ;;
    -h|--help) sed -n '2,22p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) say "unknown option: $arg"; exit 2 ;;
    *) names+=("$arg") ;;
  esac
done
[ ${#names[@]} -gt 0 ] || names=(startup table search chardata forms copybox)
cpu=${ORLENTA_BENCH_CPU:-$(($(nproc) - 1))}

install_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" || exit 1
build_windows || exit 1
prepare_prefix || exit 1
install_standins || exit 1
trap 'stop_wine; stop_display' EXIT
ensure_display || exit 1

emulator=$ORLENTA_BUILD/win/wine-emulator
out=$ORLENTA_BUILD/bench
mkdir -p "$out"
status=0
for mode in "${modes[@]}"; do
  pin=()
  if [ "$mode" = pinned ]; then
    pin=(taskset -c "$cpu")
    echo "== pinned: Wine, its server and the benchmark on CPU $cpu (a wake-up across CPUs costs ~50 us on this VM)"
  else
    echo "== unpinned: Wine, its server and the benchmark on any CPU"
  fi
  # A fresh server, desktop and window keeper under this affinity (as ./test
  # brings them up once before its tests).
  stop_wine
  WINEPREFIX=$ORLENTA_PREFIX wineserver -w >/dev/null 2>&1 || true
  "${pin[@]}" "$emulator" "$ORLENTA_BUILD/win/tools/winekeep.exe" --wait >/dev/null 2>&1 </dev/null
  for name in "${names[@]}"; do
    exe=$ORLENTA_BUILD/win/tests/bench/${name}_bench.exe
    if [ ! -f "$exe" ]; then
      say "no benchmark $name ($exe)"; status=1; continue
    fi
    # Output to a file: a piped Wine program's output is held by Wine's desktop.
    "${pin[@]}" "$emulator" "$exe" >"$out/$name-$mode.txt" 2>&1 </dev/null || status=1
    cat "$out/$name-$mode.txt"
  done
done
exit $status
