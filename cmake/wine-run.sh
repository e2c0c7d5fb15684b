#!/bin/sh
# Runs a Windows program of the cross build under Wine's 64-bit loader:
#   wine-run.sh PREFIX PROGRAM.exe [ARGS...]
# PREFIX is the Wine prefix to use (created on first use, headless: no
# display, no Mono or Gecko installer). Wine's own messages are silenced;
# the program's output and exit status come through unchanged. A DLL is
# found beside the program or on WINEPATH.
set -e
prefix=$1
shift
loader=${GMTRRT_WINE_LOADER:-}
if [ -z "$loader" ]; then
  for candidate in /usr/lib/wine/wine64 /usr/lib/x86_64-linux-gnu/wine/wine64 "$(command -v wine64 || true)" "$(command -v wine || true)"; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then
      loader=$candidate
      break
    fi
  done
fi
if [ -z "$loader" ]; then
  echo "wine-run.sh: no Wine loader found (install Debian's wine64)" >&2
  exit 127
fi
export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$prefix/system.reg" ]; then
  # Several tests may start at once on a fresh prefix: one initialises it.
  mkdir -p "$prefix"
  (
    flock 9
    if [ ! -f "$prefix/system.reg" ]; then
      "$loader" wineboot --init >/dev/null 2>&1 || true
    fi
  ) 9>"$prefix.lock"
fi
# Wine's server and its background services stay up between programs (a test
# run starts many), so each program does not pay for starting them; the
# server exits 20 s after the last one. They are started here with their
# output going nowhere: started by the program itself they would inherit its
# output, and whoever reads that output would wait for them to exit.
wineserver=$(dirname "$loader")/wineserver
server=$(printf 'server-%x-%x' "$(stat -c %d "$prefix")" "$(stat -c %i "$prefix")")
running=no
for socket in /tmp/.wine-"$(id -u)"/"$server"/socket /tmp/wine-*/"$server"/socket; do
  [ -S "$socket" ] && running=yes
done
if [ "$running" = no ]; then
  [ -x "$wineserver" ] && "$wineserver" -p20 </dev/null >/dev/null 2>&1 || true
  "$loader" wineboot </dev/null >/dev/null 2>&1 || true
fi
exec "$loader" "$@"
