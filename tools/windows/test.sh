#!/usr/bin/env bash
# test.sh [BUILD_DIR]: runs the Windows build (tools/windows/build.sh) under Wine, in a fresh Wine prefix on a
# private X display with a window manager: every test program that needs neither X11 nor the accessibility bus,
# the program up to its first paint, and a picture of each window, compared with the Linux build's pictures
# when a Linux build is there (LINUX_BUILD_DIR, default build/). Fails when a test or the start fails; the
# picture differences are listed, not failed on (see the README's Windows section for why they differ).
#
#   PICTURES_DIR  where the Windows pictures go (default: a temporary folder, removed after)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-${BUILD_DIR:-$root/build-windows}}
linux_build=${LINUX_BUILD_DIR:-$root/build}
qt=${RNA_QT_MINGW:-$HOME/.cache/rna/qt-6.4.2-mingw}
source "$root/tools/windows/wine-session.sh"

wine_session_start
# The program's and the tests' DLLs: Qt's, and the MinGW runtime's.
export WINEPATH="$(windows_path "$qt/bin");$(windows_path /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(windows_path /usr/x86_64-w64-mingw32/lib)"
export QT_PLUGIN_PATH=$(windows_path "$qt/plugins")
export QT_QPA_PLATFORM=windows

# Test programs and the tests each one leaves out under Wine, with the reason.
#   rna_screens_tests  CopySave.AWriteThatFailsSaysSoAndLeavesNoFile: makes a folder unwritable with POSIX
#                      permissions (or uses /proc as root); Windows has neither.
#   rna_ui_tests       EmbeddedImage.*: reads /proc/self/maps to see which plug-ins are loaded.
status=0
run_tests() {
  local program=$1 filter=${2:-*}
  local start=$SECONDS
  echo "== $program (filter $filter)"
  if timeout 900 wine "$build/$program" --gtest_filter="$filter" --gtest_brief=1 2>&1 | tr -d '\r' | grep -v "^$"; then
    echo "   passed in $((SECONDS - start)) s"
  else
    echo "   FAILED ($program)" >&2
    status=1
  fi
}
run_tests tests/neuron/model/rna_neuron_model_tests.exe
run_tests tests/chart/rna_chart_tests.exe
run_tests tests/chart/loader/rna_chart_loader_tests.exe
run_tests tests/assets/rna_assets_tests.exe
run_tests tests/ui/rna_ui_tests.exe '*-EmbeddedImage.*'
run_tests tests/neuron/screens/rna_screens_tests.exe '*-CopySave.AWriteThatFailsSaysSoAndLeavesNoFile'
run_tests tests/app/rna_app_tests.exe

echo "== the program to its first paint"
if RNA_BENCH_EXIT_AFTER_FIRST_PAINT=1 timeout 120 wine "$build/app/RNA.exe" >/dev/null 2>&1; then
  echo "   RNA.exe reached its first paint"
else
  echo "   FAILED: RNA.exe did not reach its first paint" >&2
  status=1
fi

echo "== pictures of the four windows"
pictures=${PICTURES_DIR:-$wine_work/pictures}
mkdir -p "$pictures/windows" "$pictures/linux"
for window in Form0 Form1 Form2 Form3; do
  if ! timeout 120 wine "$build/tools/snapshot/snapshot.exe" "$window" "$(windows_path "$pictures/windows/$window.png")" \
    >/dev/null 2>&1; then
    echo "   FAILED: no picture of $window" >&2
    status=1
  fi
done
if [[ -x $linux_build/tools/snapshot/snapshot ]]; then
  for window in Form0 Form1 Form2 Form3; do
    "$linux_build/tools/snapshot/snapshot" "$window" "$pictures/linux/$window.png" 2>/dev/null
  done
  bash "$root/tools/pictures.sh" --compare "$pictures/linux" "$pictures/windows" || true
else
  echo "   no Linux build in $linux_build: the pictures are not compared"
fi
echo "   pictures in $pictures"
wine_session_stop
exit $status
