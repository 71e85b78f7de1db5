#!/usr/bin/env bash
# Builds and runs the whole test suite twice: a plain build, then one with
# AddressSanitizer and UndefinedBehaviorSanitizer. Tests run headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen

run_suite() {
  local dir=$1; shift
  BUILD_DIR="$dir" bash "$root/tools/build.sh" "$@"
  (cd "$dir" && ctest --output-on-failure --parallel "$(nproc)")
}

echo "== plain build =="
run_suite "$root/build" -DRNA_SANITIZE=OFF
echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
run_suite "$root/build-asan" -DRNA_SANITIZE=ON
