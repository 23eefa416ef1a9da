#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless.
#   --sanitize   build and test with AddressSanitizer and UndefinedBehaviorSanitizer
# Under CI (CI=true) compiler warnings are errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/deps.sh"

options=()
[ "${CI:-}" = "true" ] && options+=(-DTIVERON_WERROR=ON)
dir="$root/build"
if [ "${1:-}" = "--sanitize" ]; then
  dir="$root/build-sanitize"
  options+=(-DTIVERON_SANITIZE=ON)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi

bash "$root/scripts/build.sh" "$dir" "${options[@]}"
cd "$dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
