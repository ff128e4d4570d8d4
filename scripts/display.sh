# Sourced by the scripts that run the Windows build under Wine on an X display.

durnwick_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Ends the Wine servers of the build's prefixes and every program still in them.
stop_wine() {
  local prefix
  for prefix in wineprefix wineprefix-plain wineprefix-dpi144; do
    WINEPREFIX="$durnwick_root/build/win/$prefix" wineserver -k 2>/dev/null || true
  done
}

# Runs a command on a virtual 1280 x 1024 display of its own. Nothing of the
# build's Wine outlives that display.
on_virtual_display() {
  local status=0
  xvfb-run -a -s "-screen 0 1280x1024x24" "$@" || status=$?
  stop_wine
  return $status
}

# Runs a command on the current display, or on a virtual one without.
on_display() {
  if [ -n "${DISPLAY:-}" ]; then "$@"; else on_virtual_display "$@"; fi
}
