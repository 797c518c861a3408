#!/bin/sh
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds
# (default 30) from the seed corpus; stops at the first finding.
#   tests/fuzz/run.sh [seconds] [target...]
# New inputs collect in <build>/corpus/<target>; crashes in <build>/findings.
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${QUORVALE_FUZZ_BUILD:-$root/build-fuzz}"
seconds="${1:-30}"
[ $# -gt 0 ] && shift
targets="${*:-taggedrecords fieldcodec answercheck}"

cxx="$(command -v clang++-14 || command -v clang++ || true)"
if [ -z "$cxx" ]; then
    echo "fuzz: no clang++ found; install clang-14 to fuzz" >&2
    exit 1
fi
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" \
      -DCMAKE_CXX_FLAGS="$flags" -DQUORVALE_BUILD_FUZZERS=ON >/dev/null
set --
for t in $targets; do set -- "$@" "fuzz_$t"; done
cmake --build "$build" --target "$@"

mkdir -p "$build/findings"
for t in $targets; do
    mkdir -p "$build/corpus/$t"
    echo "fuzz_$t: $seconds s"
    "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$t-" "$build/corpus/$t" "$root/tests/fuzz/corpus/$t"
done
