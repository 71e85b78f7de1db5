#!/usr/bin/env bash
# Builds and runs the whole test suite twice: a plain build, then one with
# AddressSanitizer and UndefinedBehaviorSanitizer. Tests run headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
# Sanitizer settings apply to the test programs and to ctest's listing of their tests alike.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp

run_suite() {
  local dir=$1; shift
  BUILD_DIR="$dir" bash "$root/tools/build.sh" "$@"
  (cd "$dir" && ctest --output-on-failure --parallel "$(nproc)")
}

echo "== plain build =="
run_suite "$root/build" -DRNA_SANITIZE=OFF
echo "== benchmark smoke run: every case once, no timing checked =="
# setup.sh installs the compared chart libraries, so here every case must run: a skipped case fails the run.
smoke=$("$root/build/bench/rna_bench" --benchmark_min_time=0 2>&1)
echo "$smoke"
if grep -q "ERROR OCCURRED" <<<"$smoke"; then
  echo "a benchmark case did not run" >&2
  exit 1
fi
# The start-up measurement's three programs, each started once up to its first paint.
start_up() {
  RNA_BENCH_EXIT_AFTER_FIRST_PAINT=1 timeout 60 "$@" >/dev/null 2>&1 || { echo "start-up run failed: $*" >&2; exit 1; }
}
start_up "$root/build/app/RNA"
start_up "$root/build/bench/rna_minimal_qt"
start_up "$root/build/bench/rna_minimal_qt" --controls
echo "start-up runs: all three programs reached their first paint"
echo "== the Debian package, made from the plain build: checked, installed, started and removed =="
package=$(SKIP_BUILD=1 BUILD_DIR="$root/build" bash "$root/tools/package.sh")
bash "$root/tools/check-package.sh" "$package"
echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
run_suite "$root/build-asan" -DRNA_SANITIZE=ON
