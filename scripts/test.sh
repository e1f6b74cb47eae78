#!/usr/bin/env bash
# Sets the machine up and runs every test:
#  1. installs the Debian packages (apt-get, as root) when any is missing;
#  2. builds the platform, skin and app with AddressSanitizer and
#     UndefinedBehaviorSanitizer and runs every unit test (a sanitizer report fails);
#  3. builds the real program and the benchmarks in release mode against a
#     gateway on 127.0.0.1 and runs the end-to-end tests under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=deps.sh
source "$root/scripts/deps.sh"
zelvio_install_packages "${ZELVIO_BUILD_PACKAGES[@]}" "${ZELVIO_TEST_PACKAGES[@]}"

jobs=$(nproc)
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"

echo "== unit tests (AddressSanitizer + UndefinedBehaviorSanitizer)"
cmake -S "$root" -B "$root/build/sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DZELVIO_SANITIZE=ON -DZELVIO_BUILD_DESKTOP=OFF -DZELVIO_BUILD_BENCH=OFF -DZELVIO_BUILD_TESTS=ON
cmake --build "$root/build/sanitize" -j "$jobs"
ctest --test-dir "$root/build/sanitize" --output-on-failure -j "$jobs" --timeout 600

echo "== program, benchmarks and end-to-end tests (release)"
cmake -S "$root" -B "$root/build/e2e" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DZELVIO_BUILD_DESKTOP=ON -DZELVIO_BUILD_BENCH=ON -DZELVIO_BUILD_TESTS=ON \
  -DZELVIO_GATEWAY_HOST=127.0.0.1:18631 -DZELVIO_START_ADDRESS=http://wap.example.test/start
cmake --build "$root/build/e2e" -j "$jobs" --target all
if ctest --test-dir "$root/build/e2e" -N -L e2e | grep -q 'Total Tests: [1-9]'; then
  ctest --test-dir "$root/build/e2e" --output-on-failure -L e2e
else
  echo "no end-to-end tests yet"
fi
