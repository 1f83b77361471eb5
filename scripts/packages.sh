# Debian packages of the project, and the step that installs the missing ones.
# Sourced by run.sh and test.sh.

# What building and running the program needs.
QORVANE_RUN_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-webengine-dev qt6-qpa-plugins libgl-dev
  libsqlite3-dev libsqlitecpp-dev
  fonts-wqy-microhei qt6-translations-l10n
)
# What the tests need on top.
QORVANE_TEST_PACKAGES=(
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  poppler-utils desktop-file-utils
)

# ensure_packages PACKAGE...: installs what is missing with apt-get when running
# as root; otherwise prints the exact command and fails.
ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local command="apt-get install -y --no-install-recommends ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages. Install them with:" >&2
    echo "  sudo apt-get update && sudo $command" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null
  DEBIAN_FRONTEND=noninteractive $command
}
