# Shared paths and helpers of the scripts. Source it; do not run it.
NOTCH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
NOTCH_BUILD=$NOTCH_ROOT/build
export WINEPREFIX=${WINEPREFIX:-$NOTCH_BUILD/wine-prefix}
export WINEARCH=win64
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
NOTCH_WINE=/usr/lib/wine/wine64
NOTCH_WINESERVER=/usr/lib/wine/wineserver

# A compiler cache, where the machine has one, makes rebuilds and builds in
# other checkouts of the same tree cheap; CMake reads these when configuring.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$NOTCH_ROOT")}
  export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi

say() { printf '\033[1m== %s\033[0m\n' "$*"; }

# Configures (once) and builds one preset; extra arguments name targets.
build_preset() {
  local preset=$1; shift
  if [ ! -f "$NOTCH_BUILD/$preset/build.ninja" ]; then
    cmake --preset "$preset" -S "$NOTCH_ROOT" >/dev/null
  fi
  if [ $# -gt 0 ]; then
    cmake --build "$NOTCH_BUILD/$preset" --target "$@"
  else
    cmake --build "$NOTCH_BUILD/$preset"
  fi
}

# Starts a virtual X screen when no display is set; sets DISPLAY and
# NOTCH_XVFB_PID. The caller stops it with stop_virtual_display.
start_virtual_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local number
  for number in $(seq 90 140); do
    [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 "${NOTCH_SCREEN:-1920x1080x24}" -wr -nolisten tcp >/dev/null 2>&1 &
    NOTCH_XVFB_PID=$!
    local tries
    for tries in $(seq 1 50); do
      if [ -e "/tmp/.X11-unix/X$number" ]; then
        export DISPLAY=":$number"
        return 0
      fi
      kill -0 "$NOTCH_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

stop_virtual_display() {
  if [ -n "${NOTCH_XVFB_PID:-}" ]; then
    kill "$NOTCH_XVFB_PID" 2>/dev/null
    wait "$NOTCH_XVFB_PID" 2>/dev/null
    unset NOTCH_XVFB_PID DISPLAY
  fi
}
