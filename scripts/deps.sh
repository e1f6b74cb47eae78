# Sourced by run.sh and test.sh: installs the Debian packages Zelvio needs.
# Runs apt-get (as root) only when something is missing; 'apt-get update' first.

ZELVIO_BUILD_PACKAGES=(
  g++ cmake ninja-build pkg-config
  libfreetype-dev libfontconfig-dev libpng-dev fonts-wqy-microhei
  libgtk-4-dev libwebkitgtk-6.0-dev bubblewrap
)
ZELVIO_TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev libpixman-1-dev
  xvfb xauth xdotool python3
)

zelvio_missing_packages() {
  local p missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

zelvio_install_packages() {
  local missing
  missing=$(zelvio_missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "Installing: $missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}
