# Shared by the scripts here (run, test, package, fuzz, screenshots): install what is missing,
# configure, build.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages the build and the tests need.
REQUIRED_PACKAGES=(cmake ninja-build g++ pkgconf libgtest-dev libgmock-dev qt6-base-dev qt6-tools-dev
  qt6-tools-dev-tools qt6-l10n-tools libcli11-dev
  libudev-dev fonts-dejavu-core fonts-liberation libcsv-dev nlohmann-json3-dev libssl-dev
  libgensio-dev help2man
  # Qt's image plugins beyond Qt GUI's own, for logos from WebP, TIFF and SVG pictures.
  qt6-image-formats-plugins libqt6svg6)
# What the tests and benches add: the server shops put their registers behind; man, bash's
# completion, the AppStream validator and lintian, which check what the package installs.
TEST_PACKAGES=(ser2net man-db bash-completion appstream dpkg-dev lintian)
# What scripts/screenshots adds: a virtual X server (xvfb-run needs xauth) to show the
# window in.
SCREENSHOT_PACKAGES=(xvfb xauth)
# What the fuzz targets add: clang and its libFuzzer runtime.
FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# install_missing_packages [packages...]: the build's packages, and any given.
install_missing_packages() {
  local missing=()
  for package in "${REQUIRED_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  fi
}

# build/ is a Release build, as users and packagers make it. scripts/test makes it a test tree
# too, whose warnings are errors; scripts/run and scripts/package build it as it stands, or
# as a plain Release tree when there is none yet.
MAIN_TREE_OPTIONS=(-DCMAKE_BUILD_TYPE=Release -DKVITMARK_WERROR=ON)

# build_tree DIR [cmake options...]: configure when the tree is new or its options changed
# (an older tree would otherwise keep the options it was made with), then build what changed.
build_tree() {
  local dir="$1"
  shift
  local stamp="$dir/kvitmark-options"
  if [ ! -f "$dir/build.ninja" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$*" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
    printf '%s\n' "$*" >"$stamp"
  fi
  cmake --build "$dir"
}

# build_main_tree: build/ as it stands, or a new plain Release tree.
build_main_tree() {
  if [ -f "$ROOT/build/build.ninja" ]; then
    cmake --build "$ROOT/build"
  else
    build_tree "$ROOT/build" -DCMAKE_BUILD_TYPE=Release
  fi
}
