#!/usr/bin/env bash
# Builds and runs the whole test suite twice: a plain build, then one with
# AddressSanitizer and UndefinedBehaviorSanitizer. Tests run headless. The program is also built once with
# CMake's default generator and once with Clang. Then a storm of random real X input against the sanitizer build.
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
echo "== the program with CMake's default generator (Unix Makefiles), then with Clang =="
# The suite builds with Ninja and GCC; these catch a build step that only one generator or one compiler accepts
# (Make creates no output folders on its own). The program target is enough, without optimisation or debug
# information, each in a folder of its own made anew (the fault showed only where the folders did not exist yet).
build_program() {
  local dir=$1; shift
  rm -rf "$dir"
  "$@" cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE= -DRNA_BUILD_TESTS=OFF >/dev/null
  "$@" cmake --build "$dir" --target RNA --parallel "$(nproc)" >/dev/null
  echo "built $dir/app/RNA"
}
build_program "$root/build-make" env
build_program "$root/build-clang" env CC=clang CXX=clang++
echo "== the Debian package, made from the plain build: checked, installed, started and removed =="
package=$(SKIP_BUILD=1 BUILD_DIR="$root/build" bash "$root/tools/package.sh")
bash "$root/tools/check-package.sh" "$package"
echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
run_suite "$root/build-asan" -DRNA_SANITIZE=ON
echo "== storm of random real input against the sanitizer build =="
# The storm's self-test (a stand-in program with planted faults), then a minute of input with a seed taken from
# the commit: a failure prints the command that replays it.
bash "$root/tools/storm.sh" selftest --build "$root/build-asan"
commit=$(git -C "$root" rev-parse HEAD 2>/dev/null || echo 0)
seed=$((16#${commit:0:8}))
echo "storm seed $seed (from commit ${commit:0:12})"
bash "$root/tools/storm.sh" run --build "$root/build-asan" --seconds 60 --seed "$seed"
