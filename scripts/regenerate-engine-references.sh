#!/bin/sh
# Rewrites the golden files of textcore from the current rules: the answers
# in tests/data/textcore/rules/*.txt, tests/data/engines/colouring/*.expected
# and tests/data/settings/*.expected. Review `git diff tests/data` before
# committing the new references.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target textcore_golden_test
KOLORAT_REGENERATE=1 "$build/tests/textcore_golden_test" >/dev/null
git -C "$root" status --short tests/data
