#!/usr/bin/env bash
# Cross-compiles the program, its test programs (those that do not need X11 or the accessibility bus), the
# snapshot tool and the chart gallery for 64-bit Windows, against the Qt that build-qt.sh makes (built first
# when its cache is missing). Prints the build folder.
#
#   BUILD_DIR     build folder (default build-windows/)
#   BUILD_TYPE    CMake build type (default Release)
#   RNA_QT_MINGW  the Qt for MinGW (default ~/.cache/rna/qt-6.4.2-mingw)
# Extra arguments go to CMake.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
qt=${RNA_QT_MINGW:-$HOME/.cache/rna/qt-6.4.2-mingw}
build=${BUILD_DIR:-$root/build-windows}
bash "$root/tools/windows/build-qt.sh" >&2

# Qt's own cmake wrapper adds its folder to the cross build's search root and names the host's Qt (moc, rcc,
# uic, lrelease); the toolchain is this tree's. The distribution hardening flags are ELF linker options.
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache); fi
"$qt/bin/qt-cmake" -S "$root" -B "$build" -G Ninja \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/tools/windows/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" -DRNA_HARDEN=OFF "${launcher[@]}" "$@" >&2
cmake --build "$build" --parallel "$(nproc)" >&2
echo "$build"
