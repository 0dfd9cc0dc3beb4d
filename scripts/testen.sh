#!/usr/bin/env bash
# Set-up, a build with AddressSanitizer and UndefinedBehaviorSanitizer, the test suites on
# Qt's offscreen platform, and the small suite that needs a real X server with a window manager.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/einrichten.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRABEX_SANITIZE=ON
cmake --build build-test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-test
ctest --output-on-failure -j2 -LE fenstersystem
bash ../scripts/fenstersystem.sh ctest --output-on-failure -L fenstersystem
