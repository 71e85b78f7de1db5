#!/usr/bin/env bash
# Installs every Debian 12 package the project needs to build, run and test (run as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
# The Windows build compiles Debian's own Qt source (tools/windows/build-qt.sh): apt-get source needs the
# source lists beside the binary ones. Debian 12 keeps them in deb822 files; an older one-line list gets a
# deb-src line for each deb line it lacks.
for list in /etc/apt/sources.list.d/*.sources; do
  if [[ -f $list ]]; then sed -i -E 's/^Types:[[:space:]]*deb[[:space:]]*$/Types: deb deb-src/' "$list"; fi
done
if [[ -f /etc/apt/sources.list ]]; then
  while read -r line; do
    grep -qxF "deb-src${line#deb}" /etc/apt/sources.list || echo "deb-src${line#deb}" >>/etc/apt/sources.list
  done < <(grep -E '^deb[[:space:]]' /etc/apt/sources.list)
fi
apt-get update
apt-get install -y --no-install-recommends \
  build-essential cmake ninja-build git \
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev libgl-dev \
  libgtest-dev googletest libbenchmark-dev \
  clang libclang-rt-14-dev \
  fonts-liberation2 fonts-liberation fontconfig \
  xvfb xauth imagemagick openbox x11-utils \
  dbus at-spi2-core python3-pyatspi
# The Debian package and its checks: the checkers a distribution runs on a package, its desktop entry and its
# AppStream data; dpkg-shlibdeps and file, which cpack uses to find the package's dependencies; python3 for the
# icon tool, whose output a test compares with the committed icons; the desktop's MIME database and xdg-mime (with
# the MIME reader it asks outside a desktop session) to check the lesson files' type once the package is installed.
apt-get install -y --no-install-recommends \
  lintian desktop-file-utils appstream dpkg-dev file python3 \
  shared-mime-info xdg-utils libfile-mimeinfo-perl
# Benchmark-only: the chart libraries rna_bench compares with (Qt Charts' CMake package needs the OpenGL
# development files, which its package does not pull in), and GNU time for tools/bench.sh's peak memory.
apt-get install -y --no-install-recommends \
  libqcustomplot-dev qt6-charts-dev libqt6opengl6-dev time
# Real X input: python3-xlib for the storm of random input (tools/storm/), xdotool for the desktop tests'
# window-manager requests; libxcb's headers for the window-manager hints the windowing layer writes.
apt-get install -y --no-install-recommends python3-xlib xdotool libxcb1-dev
# Windows: the MinGW-w64 cross compiler (POSIX threads), dpkg-dev for apt-get source, Wine (64-bit) to run the
# tests and the installer, NSIS for the installer, zip for the portable archive (tools/windows/).
apt-get install -y --no-install-recommends g++-mingw-w64-x86-64-posix wine wine64 nsis zip unzip dpkg-dev
