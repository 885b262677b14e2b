# Shared by the scripts in this folder: installs what the build needs and builds.
# Source it; do not run it.

repo_root() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }
ROOT=$(repo_root)

# Debian packages the build, the tests and the screenshots need: lupdate and lrelease for the
# translations (qt6-l10n-tools, found by CMake through qt6-tools-dev), the validators of the
# desktop files, dpkg-dev for the package's dependencies.
BASE_PACKAGES=(cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
               nlohmann-json3-dev libcli11-dev fonts-wqy-microhei poppler-utils
               qt6-tools-dev qt6-l10n-tools desktop-file-utils appstream dpkg-dev)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs each named package that is not installed yet.
ensure_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs() { nproc 2>/dev/null || echo 2; }

# configure_and_build BUILD_DIR [cmake options...]
configure_and_build() {
  local dir=$1; shift
  cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
  cmake --build "$dir" -j "$(jobs)"
}

# run_under_wine PREFIX COMMAND...: runs COMMAND with Windows programs going through wine in the
# wine folder PREFIX, made ready first and served by one wine server for the whole command:
# suites started side by side on a prefix that is still being set up can fail to reach it.
run_under_wine() {
  local prefix=$1; shift
  export WINEPREFIX=$prefix WINEDEBUG=-all
  mkdir -p "$prefix"
  wineserver --persistent
  wineboot --init >/dev/null 2>&1 || true
  local code=0
  "$@" || code=$?
  wineserver --kill || true
  wineserver --wait || true
  return "$code"
}
