#!/bin/sh
# Installs what is missing, builds Quorvale for release and makes its Debian
# package: build-package/quorvale_<version>_<architecture>.deb.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-dependencies.sh"
cmake -S "$root" -B "$root/build-package" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVALE_BUILD_TESTS=OFF
cmake --build "$root/build-package"
cd "$root/build-package"
cpack -G DEB
