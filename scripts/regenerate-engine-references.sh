#!/bin/sh
# Rewrites tests/data/engines/colouring/*.expected from the current engines.
# Review `git diff tests/data/engines` before committing the new references.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target textcore_engines_golden_test
KOLORAT_REGENERATE=1 "$build/tests/textcore_engines_golden_test" >/dev/null
git -C "$root" status --short tests/data/engines
