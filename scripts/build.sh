#!/usr/bin/env bash
# Configures and builds into the given directory; further arguments go to CMake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$dir" --parallel "$(nproc)"
