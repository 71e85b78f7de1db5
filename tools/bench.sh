#!/usr/bin/env bash
# Builds in Release and prints one table of the benchmark program's cases (median of REPETITIONS runs each, CPU
# time) with the other chart libraries' times as ratios to ours, then the start-up of the program to the main
# menu's first paint and its peak memory beside a minimal Qt Widgets program, and beside the same program creating
# the Qt controls the program's windows hold (median of STARTUP_RUNS runs each).
#
#   BUILD_DIR    build folder (default build-release/)     REPETITIONS   runs of each case (default 10)
#   MIN_TIME     seconds per run of a case (default 0.2)   STARTUP_RUNS  starts of each program (default 15)
#   SKIP_BUILD=1 use the programs already built in BUILD_DIR
# Windows are drawn by Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build-release}
repetitions=${REPETITIONS:-10}
min_time=${MIN_TIME:-0.2}
startup_runs=${STARTUP_RUNS:-15}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

if [[ ${SKIP_BUILD:-0} != 1 ]]; then
  cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRNA_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build_dir" --parallel "$(nproc)" --target RNA rna_bench rna_minimal_qt >/dev/null
fi

# name,median CPU time in microseconds (or "skipped: reason") per case, from one run of the program. The
# repetitions of all cases are interleaved, so that a change of load on a shared machine hits every case alike.
cases=$("$build_dir/bench/rna_bench" --benchmark_repetitions="$repetitions" --benchmark_min_time="$min_time" \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true --benchmark_format=csv \
  2>/dev/null |
  awk -F, 'NR > 1 {
    gsub(/"/, "", $1)
    if ($9 == "true") { name = $1; sub(/_median$/, "", name); print name ",skipped: " $10; next }
    if ($1 ~ /_median$/) { sub(/_median$/, "", $1); printf "%s,%.1f\n", $1, $4 }
  }' | sort -u)

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One start of the command "$@": wall time in milliseconds and peak resident memory in kilobytes, "ms kb".
start_once() {
  local memory_file start end
  memory_file=$(mktemp)
  start=$(date +%s%N)
  RNA_BENCH_EXIT_AFTER_FIRST_PAINT=1 /usr/bin/time -o "$memory_file" -f %M "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo "$(((end - start) / 1000)) $(tail -1 "$memory_file")" | awk '{ printf "%.1f %d\n", $1 / 1000, $2 }'
  rm -f "$memory_file"
}

case_time() { awk -F, -v n="$1" '$1 == n { print $2 }' <<<"$cases"; }
ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { if (a ~ /^[0-9.]+$/ && b ~ /^[0-9.]+$/ && b > 0) printf "%.1f", a / b; else print "-" }'
}

rna=$(case_time ChartUpdate/rna)
echo "CPU: $(lscpu | sed -n 's/^Model name: *//p' | head -1)"
echo
echo "| case | median CPU time (us) | qcustomplot / rna | qtcharts / rna |"
echo "|---|---:|---:|---:|"
while IFS=, read -r name time; do
  if [[ $name == ChartUpdate/rna ]]; then
    echo "| $name | $time | $(ratio "$(case_time ChartUpdate/qcustomplot)" "$rna") | $(ratio "$(case_time ChartUpdate/qtcharts)" "$rna") |"
  else
    echo "| $name | $time | | |"
  fi
done <<<"$cases"
echo
echo "ChartUpdate/rna-ratio2 / ChartUpdate/rna: $(ratio "$(case_time ChartUpdate/rna-ratio2)" "$rna") (a chart drawn at two" \
  "device pixels to each of its own, four times the pixels)"

# STARTUP_RUNS starts of each program, taken in turn so that a change of load hits all three alike; then the median
# time and memory of each, "ms kb".
starts=$(for ((i = 0; i < startup_runs; ++i)); do
  echo "program $(start_once "$build_dir/app/RNA")"
  echo "minimal $(start_once "$build_dir/bench/rna_minimal_qt")"
  echo "controls $(start_once "$build_dir/bench/rna_minimal_qt" --controls)"
done)
startup() {
  local runs
  runs=$(awk -v n="$1" '$1 == n { print $2, $3 }' <<<"$starts")
  echo "$(cut -d' ' -f1 <<<"$runs" | median) $(cut -d' ' -f2 <<<"$runs" | median)"
}
read -r program_ms program_kb < <(startup program)
read -r minimal_ms minimal_kb < <(startup minimal)
read -r controls_ms controls_kb < <(startup controls)
echo
echo "| start-up to the first paint (median of $startup_runs) | time (ms) | peak memory (MB) |"
echo "|---|---:|---:|"
awk -v pm="$program_ms" -v pk="$program_kb" -v mm="$minimal_ms" -v mk="$minimal_kb" \
  -v cm="$controls_ms" -v ck="$controls_kb" 'BEGIN {
  printf "| RNA | %.1f | %.1f |\n", pm, pk / 1024
  printf "| minimal Qt Widgets program | %.1f | %.1f |\n", mm, mk / 1024
  printf "| minimal program with the same Qt controls (--controls) | %.1f | %.1f |\n", cm, ck / 1024
  printf "| RNA / minimal | %.2f | %.2f |\n", pm / mm, pk / mk
  printf "| same Qt controls / minimal | %.2f | %.2f |\n", cm / mm, ck / mk
}'
