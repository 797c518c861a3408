#!/bin/sh
# Builds the benchmark (a Release build in build-bench unless told another
# folder) and runs it on a virtual display; prints one table.
#   bench/run.sh [--runs N]
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUORVALE_BENCH_BUILD:-$root/build-bench}"
"$root/scripts/install-dependencies.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVALE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target quorvale-bench
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox --disable-gpu}"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/quorvale-bench" "$@"
