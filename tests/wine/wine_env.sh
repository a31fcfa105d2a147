# Sourced by the wine tests: the environment for running console programs
# under wine in a private prefix below $work, which the sourcing script sets.

# A console program needs no display; keep wine away from any X server, and
# from the installers for .NET and HTML support that a new prefix would offer.
unset DISPLAY WAYLAND_DISPLAY
export WINEDEBUG=-all
mkdir -p "$work" && work=$(cd "$work" && pwd)
export WINEPREFIX=$work/wine-prefix
export WINEDLLOVERRIDES="mscoree,mshtml="

wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)

# require_executables FILE...: ends the test when one of them is missing.
require_executables() {
  local tool
  for tool in "$wine" "$wineserver" "$@"; do
    [ -x "$tool" ] || { echo "missing: $tool" >&2; exit 1; }
  done
}

# Ends the wine server of the prefix, and with it every program left running.
stop_wine_on_exit() {
  trap '"$wineserver" -k 2>/dev/null || true' EXIT
}
