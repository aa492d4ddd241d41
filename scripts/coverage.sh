#!/usr/bin/env bash
# Line and branch coverage of src/ by the whole test suite: builds into
# build-coverage/ with gcov counters, runs every test, and writes an HTML
# report to build-coverage/coverage/index.html. The last line is the summary.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${COVERAGE_BUILD_DIR:-build-coverage}
JOBS=${JOBS:-$(nproc)}

if ! command -v lcov >/dev/null || ! command -v genhtml >/dev/null; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends lcov
fi

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE= -DKOLORAT_COVERAGE=ON -DKOLORAT_BENCH=OFF
cmake --build "$BUILD" -j"$JOBS"

branches=(--rc lcov_branch_coverage=1)
lcov -q "${branches[@]}" --zerocounters --directory "$BUILD"
# Counters of a failing test still count; the suite's verdict is reported after the summary.
status=0
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$JOBS") || status=$?

lcov -q "${branches[@]}" --capture --directory "$BUILD" --output-file "$BUILD/all.info" 2>/dev/null
lcov -q "${branches[@]}" --extract "$BUILD/all.info" "$PWD/src/*" --output-file "$BUILD/src.info"
genhtml -q "${branches[@]}" --prefix "$PWD" --output-directory "$BUILD/coverage" "$BUILD/src.info"

# One line per folder of src/, then the whole.
awk -F'[:,]' -v root="$PWD/src/" '
  /^SF:/ { f = substr($0, 4); if (index(f, root) == 1) f = substr(f, length(root) + 1); sub(/\/.*/, "", f); dir = f }
  /^DA:/ { lines[dir]++; if ($3 > 0) hit[dir]++ }
  /^BRDA:/ { br[dir]++; if ($5 != "-" && $5 > 0) bhit[dir]++ }
  END {
    sort = "LC_ALL=C sort"
    for (d in lines) {
      printf "  src/%-14s lines %5.1f%% (%d/%d)  branches %5.1f%% (%d/%d)\n", d,
        100 * hit[d] / lines[d], hit[d], lines[d], br[d] ? 100 * bhit[d] / br[d] : 0, bhit[d], br[d] | sort
      L += lines[d]; H += hit[d]; B += br[d]; BH += bhit[d]
    }
    close(sort)
    printf "coverage of src/: lines %.1f%% (%d/%d), branches %.1f%% (%d/%d); report: '"$BUILD"'/coverage/index.html\n",
      100 * H / L, H, L, 100 * BH / B, BH, B
  }' "$BUILD/src.info"
exit $status
