#!/usr/bin/env bash
# Builds the libFuzzer targets of the text readers with clang (AddressSanitizer
# and UBSan on) and runs each for a bounded number of inputs.
#   tools/fuzz.sh [runs]      (default 200000 inputs per target)
# Not part of ./test. Output and corpora go to $ORLENTA_BUILD/fuzz.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${ORLENTA_BUILD:-$ROOT/build}/fuzz
RUNS=${1:-200000}
CXX=${CXX_FUZZ:-clang++}

need() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }
missing=()
need clang || missing+=(clang)
need libclang-rt-dev || need libclang-rt-14-dev || missing+=(libclang-rt-14-dev)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  apt-get update -qq >/dev/null 2>&1 || true
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

mkdir -p "$BUILD"
FLAGS=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -fno-omit-frame-pointer -I"$ROOT")
TEXT=(common/TextSearch.cpp common/TextCompare.cpp common/CaseFold.cpp)

# target name, then its sources
build() {
  local name=$1; shift
  local sources=() s
  for s in "$@"; do sources+=("$ROOT/$s"); done
  echo "== building $name"
  "$CXX" "${FLAGS[@]}" "${sources[@]}" -o "$BUILD/$name"
}

build val_fuzz tests/fuzz/ValFuzz.cpp common/Val.cpp
build hex_fuzz tests/fuzz/HexFuzz.cpp common/Hex.cpp common/Val.cpp runtime/RuntimeError.cpp
build token_fuzz tests/fuzz/TokenFuzz.cpp common/Tokens.cpp "${TEXT[@]}"
build search_fuzz tests/fuzz/SearchFuzz.cpp chardata/NameSearch.cpp chardata/EntitySearch.cpp \
  chardata/GoToTarget.cpp chardata/CharNameTable.cpp chardata/CharNameLines.cpp common/Hex.cpp common/Val.cpp \
  common/TextUtil.cpp runtime/RuntimeError.cpp "${TEXT[@]}"
build version_file_fuzz tests/fuzz/VersionFileFuzz.cpp common/KeyValue.cpp common/CompareVersions.cpp \
  common/SplitText.cpp common/Val.cpp runtime/RuntimeError.cpp "${TEXT[@]}"

# A few readable seeds (the first byte 0 means "one byte per character").
seed() { mkdir -p "$BUILD/corpus/$1"; printf "\0%s" "$3" >"$BUILD/corpus/$1/$2"; }
seed val_fuzz dec '-3.5E2'
seed val_fuzz hex '&H1F'
seed val_fuzz oct '&O17'
seed val_fuzz blanks ' 1 2.5 D -3'
seed hex_fuzz ffff 'FFFF'
seed hex_fuzz long 'FFFFFFFFFFFFF'
seed search_fuzz words '  LATIN  a '
seed search_fuzz entity '&amp; '
seed search_fuzz goto '4a1f'
seed version_file_fuzz item 'Version = "6.09";Size=1482752;'
seed version_file_fuzz lines 'FileVersion=1;Version=6.10.2'
# Token seeds start with a flags byte: 1 = two-character delimiter, 4 = a set.
mkdir -p "$BUILD/corpus/token_fuzz"
printf '\1\0\r\none\r\ntwo' >"$BUILD/corpus/token_fuzz/lines"
printf '\5\0, a,b c' >"$BUILD/corpus/token_fuzz/set"

status=0
for target in val_fuzz hex_fuzz token_fuzz search_fuzz version_file_fuzz; do
  echo "== running $target ($RUNS inputs)"
  mkdir -p "$BUILD/corpus/$target"
  if ! (cd "$BUILD" && "./$target" -runs="$RUNS" -max_len=512 -timeout=10 \
          "corpus/$target" >"$target.log" 2>&1); then
    status=1
    tail -n 40 "$BUILD/$target.log"
  fi
  grep -E '^Done|crash-|leak-|timeout-' "$BUILD/$target.log" | tail -n 3
done
exit $status
