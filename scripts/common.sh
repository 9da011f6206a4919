# Shared by the scripts: install what is missing, then configure and build. Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="${KORVANE_BUILD_DIR:-$ROOT/build}"

# Debian 12 packages the program needs to be built and run (Xvfb for a machine without a display).
PROGRAM_PACKAGES=(
  g++ cmake ninja-build
  qt6-base-dev qt6-webengine-dev libgl-dev libicu-dev libmimalloc-dev
  fonts-ipafont-gothic qt6-translations-l10n xvfb xauth
)
# ... what the Debian package is built and checked with (scripts/package)
PACKAGE_PACKAGES=(dpkg-dev lintian)
# ... and what the tests, the benchmark and the fuzz targets need besides.
TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  desktop-file-utils libglib2.0-bin syncthing
)

# install_missing_packages <package...>
install_missing_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build <build folder> [cmake options...]: configuring again is quick, and it takes
# options that changed since the folder was first made. KORVANE_SOURCE names another source tree.
configure_and_build() {
  local dir="$1"
  shift
  # A compiler cache makes building again after a change, or in another clone, quick.
  if command -v ccache > /dev/null; then
    set -- "$@" -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
  fi
  cmake -S "${KORVANE_SOURCE:-$ROOT}" -B "$dir" -G Ninja "$@" > /dev/null
  cmake --build "$dir"
  mkdir -p -m 700 "$dir/xdg-runtime"
}

build_release() {
  configure_and_build "$BUILD" -DCMAKE_BUILD_TYPE=Release -DKORVANE_TESTS=ON "$@"
}

# The program alone: no tests, no benchmark, no tools.
build_program() {
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVANE_TESTS=OFF > /dev/null
  cmake --build "$BUILD" --target korvane
}
