#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh" "$root/build"
exec "$root/build/app/tiveron"
