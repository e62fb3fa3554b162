#!/usr/bin/env bash
# Runs every test: native (plain, AddressSanitizer+UBSan, ThreadSanitizer), the fuzz target
# for a fixed number of runs, and the real Stats.dll under Wine with Xvfb. Installs what it
# needs first. Exit status non-zero on any failure; the last line is the summary.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
export ROOT
cd "$ROOT"
JOBS=2
FUZZ_RUNS=${FUZZ_RUNS:-150000}

"$ROOT/scripts/install-deps.sh" || { echo "SUMMARY: FAILED (could not install packages)"; exit 1; }

results=()
failed=0
step() {  # step NAME COMMAND...
  local name=$1; shift
  echo "=== $name"
  local start=$SECONDS
  if "$@"; then
    results+=("PASS  $name ($((SECONDS - start)) s)")
  else
    results+=("FAIL  $name ($((SECONDS - start)) s)")
    failed=$((failed + 1))
  fi
}

native_tree() {  # native_tree DIR CXXFLAGS [extra cmake args]
  local dir=$1 flags=$2; shift 2
  cmake -S "$ROOT" -B "$ROOT/build/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTATS_BENCH=OFF \
        -DCMAKE_CXX_FLAGS="$flags" "$@" >/dev/null &&
    cmake --build "$ROOT/build/$dir" -j"$JOBS" &&
    (cd "$ROOT/build/$dir" && ctest --output-on-failure)
}

fuzz() {
  CC=clang CXX=clang++ cmake -S "$ROOT" -B "$ROOT/build/fuzz" -DSTATS_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_FLAGS="-O1 -g -fsanitize=address,undefined -fno-sanitize-recover=all -fsanitize=fuzzer-no-link" \
      >/dev/null &&
    cmake --build "$ROOT/build/fuzz" -j"$JOBS" &&
    mkdir -p "$ROOT/build/fuzz/work" &&
    (cd "$ROOT/build/fuzz/work" && "$ROOT/build/fuzz/stats_fuzz" -runs="$FUZZ_RUNS" -seed=1 -max_len=4096 \
        -print_final_stats=1 2>&1 | tail -n 25)
}

wine_tests() {
  cmake -S "$ROOT" -B "$ROOT/build/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
    cmake --build "$ROOT/build/win32" -j"$JOBS" &&
    (
      # shellcheck source=wine-session.sh
      source "$ROOT/scripts/wine-session.sh"
      cd "$ROOT/build/win32" && ctest --output-on-failure --timeout 600
    )
}

step "native tests" native_tree native ""
step "native tests under AddressSanitizer+UBSan" native_tree asan \
  "-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
step "native tests under ThreadSanitizer" native_tree tsan "-fsanitize=thread"
step "fuzz target ($FUZZ_RUNS runs, ASan+UBSan)" fuzz
step "Stats.dll under Wine" wine_tests

echo
printf '%s\n' "${results[@]}"
if [ "$failed" -ne 0 ]; then
  echo "SUMMARY: FAILED ($failed of ${#results[@]} test steps failed)"
  exit 1
fi
echo "SUMMARY: PASSED (all ${#results[@]} test steps passed)"
