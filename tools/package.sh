#!/usr/bin/env bash
# Makes the Debian package of the program from a Release build and prints the package's path (the only line on
# standard output; the build's and cpack's messages go to standard error).
#
#   BUILD_DIR     build folder (default build-package/)
#   SKIP_BUILD=1  package the build already in BUILD_DIR as it is configured (CI packages its test build so)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build-package}

if [[ ${SKIP_BUILD:-0} != 1 ]]; then
  # Only the program and the files installed beside it are built: installing does not wait for the rest.
  cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRNA_BUILD_TESTS=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >&2
  cmake --build "$build_dir" --parallel "$(nproc)" --target RNA rna_install_files >&2
fi

log=$(cd "$build_dir" && cpack -G DEB 2>&1) || { echo "$log" >&2; exit 1; }
echo "$log" >&2
package=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' <<<"$log")
if [[ -z $package || ! -f $package ]]; then
  echo "cpack named no package" >&2
  exit 1
fi
echo "$package"
