#!/usr/bin/env bash
# The main job: builds Stats.dll and the simulated host, installs the plug-in into a fresh host
# folder and replays a contest session through it under Wine. Everything it produced lands in
# out/demo: the result text, the error report (and, as they come, the Cabrillo log and
# screenshots of the windows).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
export ROOT
cd "$ROOT"

"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$ROOT/build/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$ROOT/build/win32" -j2 --target Stats Tovu >/dev/null

OUT="$ROOT/out/demo"
HOST="$OUT/host"
rm -rf "$OUT"
mkdir -p "$HOST/Plugins"
cp "$ROOT/build/win32/Tovu.exe" "$HOST/"
cp "$ROOT/build/win32/Stats.dll" "$HOST/Plugins/"

# shellcheck source=wine-session.sh
source "$ROOT/scripts/wine-session.sh"
cd "$HOST"
wine Tovu.exe demo "$(winepath -w "$ROOT/data/sample_session.log")" "$(winepath -w "$OUT")" | tr -d '\r'
# Screenshots come out of the host as BMP; keep PNG.
for bmp in "$OUT"/*.bmp; do
  [ -e "$bmp" ] || continue
  # The full-screen picture is trimmed to the windows on the empty desktop.
  case "$bmp" in *windows.bmp) trim=(-trim +repage) ;; *) trim=() ;; esac
  convert "$bmp" "${trim[@]}" "${bmp%.bmp}.png" && rm -f "$bmp"
done
echo
echo "Demo output in $OUT:"
ls -1 "$OUT" | grep -v '^host$' | sed 's/^/  /'
