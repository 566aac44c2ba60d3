#!/usr/bin/env bash
# Builds everything and runs every test (the presets of CMakePresets.json):
#   default  the unit and end-to-end tests (build/);
#   asan     the program and the same tests built by clang with
#            AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/);
#   tsan     the tests that decode and show pages while workers decode
#            others, under ThreadSanitizer (build-tsan/, the layers up to the
#            viewer);
#   fuzz     each fuzzer briefly on its seed corpus (build-fuzz/).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
for preset in default asan tsan fuzz; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
