#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source (the version of the host's Qt, whose
# moc, rcc and uic the cross build runs), with MinGW-w64, and installs it into a cache folder outside
# the tree. Only what the program uses is built: Core, Gui, Widgets, Test, the Windows platform plugin
# and its style, PNG. A stamp in the cache makes a second call a no-op.
#
#   RNA_QT_MINGW   install folder (default ~/.cache/rna/qt-6.4.2-mingw)
#   RNA_QT_WORK    where the source is unpacked and built (default: a temporary folder, removed after)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
version=6.4.2
prefix=${RNA_QT_MINGW:-$HOME/.cache/rna/qt-$version-mingw}
stamp=$prefix/.rna-qt-stamp
# The stamp names this script's configuration, so a change of the options below builds Qt again.
# Contents only: the same script called by another path is the same configuration.
options_hash=$(cat "$0" "$root/tools/windows/mingw-w64-x86_64.cmake" | sha256sum | cut -c1-16)
if [[ -f $stamp && $(cat "$stamp") == "$options_hash" ]]; then
  echo "Qt $version for MinGW is in $prefix"
  exit 0
fi

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
if [[ $host_version != $version* ]]; then
  echo "build-qt.sh: the host's qt6-base-dev-tools is '$host_version', not $version" >&2
  exit 1
fi

start=$(date +%s)
work=${RNA_QT_WORK:-$(mktemp -d)}
cleanup() { [[ -n ${RNA_QT_WORK:-} ]] || rm -rf "$work"; }
trap cleanup EXIT
mkdir -p "$work"
cd "$work"
# apt-get source unpacks Debian's tarball and applies every patch of debian/patches/series.
if [[ ! -d qt6-base-$version+dfsg ]]; then
  apt-get source --download-only qt6-base="$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)" >/dev/null
  dpkg-source -x qt6-base_*.dsc >/dev/null
fi
src=$work/qt6-base-$version+dfsg

# With OpenGL switched off, 6.4.2's Windows window code still reads a dynamic-GL symbol in one
# function; keep that function behind the OpenGL guard too.
sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(opengl) \&\& QT_CONFIG(dynamicgl)/' \
  "$src/src/plugins/platforms/windows/qwindowswindow.cpp"
# Gui builds its DirectWrite 3 font database only together with Direct2D (off here), while the platform
# plug-in asks only for DirectWrite 3: its include and its use go behind the same condition as the source.
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
  "$src/src/plugins/platforms/windows/qwindowsintegration.cpp"

rm -rf "$prefix"
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/tools/windows/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
  -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_freetype=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_pcre2=OFF -DFEATURE_zstd=OFF -DFEATURE_sql_sqlite=OFF \
  -DFEATURE_androiddeployqt=OFF -DFEATURE_qmake=OFF -DFEATURE_linguist=OFF
cmake --build "$work/build" --parallel "$(nproc)"
cmake --install "$work/build" >/dev/null
echo "$options_hash" >"$stamp"
echo "Qt $version for MinGW built and installed into $prefix in $(( $(date +%s) - start )) s"
