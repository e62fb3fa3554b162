# Sourced: one Wine prefix and one Xvfb display for a whole run. Sets WINEPREFIX, DISPLAY and
# the Wine variables, and stops Wine and Xvfb when the sourcing shell exits.
# Needs ROOT (the repository) set by the caller.

export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wine cmd /c exit >/dev/null 2>&1 || true
  # Without a window manager every hide of a top-level window costs 2 s unless unmanaged.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  wineserver -w || true
fi

_xvfb_fd_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$_xvfb_fd_file" >/dev/null 2>&1 &
_xvfb_pid=$!
for _ in $(seq 1 100); do
  [ -s "$_xvfb_fd_file" ] && break
  sleep 0.1
done
export DISPLAY=":$(head -n1 "$_xvfb_fd_file")"
rm -f "$_xvfb_fd_file"

wine_session_end() {
  timeout 15 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
  kill "$_xvfb_pid" 2>/dev/null || true
  wait "$_xvfb_pid" 2>/dev/null || true
}
trap wine_session_end EXIT
