#!/usr/bin/env bash
# Sets the machine up and runs Zelvio: installs the Debian packages it needs
# (apt-get, as root) when any is missing, builds in release mode and starts the
# program on the current display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=deps.sh
source "$root/scripts/deps.sh"
zelvio_install_packages "${ZELVIO_BUILD_PACKAGES[@]}"

cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DZELVIO_BUILD_TESTS=OFF -DZELVIO_BUILD_BENCH=OFF -DZELVIO_BUILD_DESKTOP=ON "$@"
cmake --build "$root/build/release" -j "$(nproc)"
program="$root/build/release/app/zelvio"
if [ ! -x "$program" ]; then
  echo "The program is not built yet; it will be at $program."
  exit 0
fi
exec "$program"
