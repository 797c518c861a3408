#!/bin/sh
# Installs what is missing, builds Quorvale with its tests and runs them all;
# the window tests run on a virtual display. Then the sanitized suite and a
# short fuzzing run (scripts/sanitize.sh, tests/fuzz/run.sh).
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-dependencies.sh"
cmake -S "$root" -B "$root/build-tests" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVALE_BUILD_BENCH=OFF
cmake --build "$root/build-tests"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox --disable-gpu}"
(cd "$root/build-tests" && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --timeout 300 -j2)
# The core and every test without a window once more under AddressSanitizer
# and UndefinedBehaviorSanitizer (scripts/sanitize.sh all runs the whole
# suite so, by hand), then half a minute of each fuzz target.
"$root/scripts/sanitize.sh" core
"$root/tests/fuzz/run.sh" 30
