# Shared steps of ./test and ./run: packages, the two builds, the project's
# Wine prefix, the platform stand-ins and a display. Sourced, not run.

ORLENTA_ROOT=${ORLENTA_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
ORLENTA_BUILD=${ORLENTA_BUILD:-$ORLENTA_ROOT/build}
ORLENTA_PREFIX=$ORLENTA_BUILD/wineprefix
WINE64=/usr/lib/wine/wine64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

say() { printf '%s\n' "$*" >&2; }

# Installs the Debian packages among the arguments that are not installed yet.
install_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    say "These packages are missing and only root can install them: ${missing[*]}"
    return 1
  fi
  apt-get update -qq >/dev/null 2>&1 || true
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null 2>&1 \
    || { say "apt-get install failed for: ${missing[*]}"; return 1; }
}

BUILD_PACKAGES=(cmake ninja-build g++ googletest g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
                binutils-mingw-w64-x86-64 mingw-w64-tools libwine-dev fp-utils python3)
RUN_PACKAGES=(wine wine64 xvfb x11-utils xauth fonts-wine fonts-dejavu-core)

# configure_and_build DIR [cmake args...]
configure_and_build() {
  local dir=$1; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ORLENTA_ROOT" -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1 \
      || { cat "$dir.configure.log" >&2; return 1; }
  fi
  ninja -C "$dir" >"$dir.build.log" 2>&1 || { tail -n 60 "$dir.build.log" >&2; return 1; }
}

build_windows() {
  mkdir -p "$ORLENTA_BUILD"
  configure_and_build "$ORLENTA_BUILD/win" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$ORLENTA_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DORLENTA_WINEPREFIX="$ORLENTA_PREFIX"
}

build_native() {
  mkdir -p "$ORLENTA_BUILD"
  configure_and_build "$ORLENTA_BUILD/native" -DCMAKE_BUILD_TYPE=Debug
}

# Creates the project's own Wine prefix once: Wine's fonts copied in, Wine
# drawing its own window frames, no audio driver, no crash dialog.
prepare_prefix() {
  [ -f "$ORLENTA_PREFIX/.orlenta-ready" ] && return 0
  say "Creating the Wine prefix $ORLENTA_PREFIX"
  rm -rf "$ORLENTA_PREFIX"
  mkdir -p "$ORLENTA_PREFIX"
  export WINEPREFIX=$ORLENTA_PREFIX
  DISPLAY= "$WINE64" wineboot -i >"$ORLENTA_BUILD/wineboot.log" 2>&1 </dev/null || true
  wineserver -w
  local fonts=$ORLENTA_PREFIX/drive_c/windows/Fonts
  mkdir -p "$fonts"
  cp -f $(dpkg -L fonts-wine | grep -iE '\.(ttf|fon)$') "$fonts"/ 2>/dev/null
  local regs=(
    'HKCU\Software\Wine\X11 Driver' Managed N
    'HKCU\Software\Wine\Drivers' Audio ''
    'HKCU\Software\Wine\WineDbg' ShowCrashDialog 0
  )
  local i
  for ((i = 0; i < ${#regs[@]}; i += 3)); do
    local type=REG_SZ
    [ "${regs[i+1]}" = ShowCrashDialog ] && type=REG_DWORD
    DISPLAY= "$WINE64" reg add "${regs[i]}" /v "${regs[i+1]}" /t $type /d "${regs[i+2]}" /f \
      >>"$ORLENTA_BUILD/wineboot.log" 2>&1 </dev/null
  done
  wineserver -w
  touch "$ORLENTA_PREFIX/.orlenta-ready"
  unset WINEPREFIX
}

# Copies the platform stand-ins of the Windows build into the prefix's
# system folder (only when they changed).
install_standins() {
  local sys=$ORLENTA_PREFIX/drive_c/windows/system32 f
  for f in platform/getuname/GetUName.dll platform/charmap/charmap.exe; do
    cmp -s "$ORLENTA_BUILD/win/$f" "$sys/$(basename "$f")" || cp -f "$ORLENTA_BUILD/win/$f" "$sys/"
  done
}

XVFB_PID=
# Uses the caller's display, or starts Xvfb on a free one.
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$ORLENTA_BUILD/xvfb.log" 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  local tries=0
  until xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 200 ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
      say "Xvfb did not start on $DISPLAY"; return 1
    fi
    sleep 0.05
  done
  say "Using a private Xvfb display $DISPLAY"
}

stop_display() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}

# A test that makes a folder unwritable (mode and immutable attribute) marks
# it with "<folder>.locked" and unlocks it at its end; one that died before
# then leaves the folder locked, so that nothing could delete it. Unlocks
# every such folder left in the prefix.
unlock_left_test_folders() {
  local mark folder
  for mark in "$ORLENTA_PREFIX"/drive_c/users/*/Temp/*.locked; do
    [ -e "$mark" ] || continue
    folder=${mark%.locked}
    chattr -i "$folder" 2>/dev/null
    chmod u+w "$folder" 2>/dev/null
    rm -f "$mark"
  done
}

stop_wine() {
  WINEPREFIX=$ORLENTA_PREFIX wineserver -k >/dev/null 2>&1 || true
  # A Wine process whose server went away waits for good, out of the reach
  # of the server's kill: end every process still started in the prefix.
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    [ "$pid" = $$ ] || [ "$pid" = "$BASHPID" ] && continue
    tr '\0' '\n' 2>/dev/null <"$environ" | grep -qxF "WINEPREFIX=$ORLENTA_PREFIX" && kill -9 "$pid" 2>/dev/null
  done
  return 0
}
