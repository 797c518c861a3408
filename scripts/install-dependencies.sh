#!/bin/sh
# Installs what building, running, testing and packaging Quorvale needs on
# Debian 12, asking apt only for what is missing.
set -eu

packages="cmake ninja-build g++ qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin
          qt6-pdf-dev libqt6svg6 fonts-dejavu-core xvfb xauth clang-14 libclang-rt-14-dev"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
$sudo apt-get update -q
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
