# Shared by scripts/run and scripts/test: install what is missing, configure, build.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages the build and the tests need.
REQUIRED_PACKAGES=(cmake ninja-build g++ libgtest-dev libgmock-dev qt6-base-dev libcli11-dev)
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

# build_tree DIR [cmake options...]: configure once, then build what changed.
build_tree() {
  local dir="$1"
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
  fi
  cmake --build "$dir"
}
