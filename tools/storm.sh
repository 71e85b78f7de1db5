#!/usr/bin/env bash
# A storm of random real X input against the program (tools/storm/storm.py): run, replay or selftest.
#   bash tools/storm.sh run [--seconds S] [--seed N] [--build DIR] [--lang LANG] [-- PROGRAM [ARGUMENTS]]
#   bash tools/storm.sh replay LOG [--build DIR] [-- PROGRAM [ARGUMENTS]]
#   bash tools/storm.sh selftest [--build DIR]
# The build folder defaults to build-asan/ (BUILD_DIR=build-asan bash tools/build.sh -DRNA_SANITIZE=ON).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# Debian's python3, which has python3-xlib, whatever other python3 comes first on the PATH.
# -B: no compiled modules written into the source tree.
exec /usr/bin/python3 -B "$root/tools/storm/storm.py" "$@"
