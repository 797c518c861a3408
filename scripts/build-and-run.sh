#!/bin/sh
# Installs what is missing, builds Quorvale and starts it. Options after the
# script's name go to the program (for example --data-dir DIR).
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-dependencies.sh"
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVALE_BUILD_TESTS=OFF
cmake --build "$root/build-release" --target quorvale
# The HTML view's sandbox cannot run as root.
if [ "$(id -u)" -eq 0 ]; then
    export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox}"
fi
exec "$root/build-release/src/app/quorvale" "$@"
