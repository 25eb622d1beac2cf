#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and any named on
# the command line, only those that are missing.
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-multimedia-dev qt6-serialport-dev libgl-dev libpng-dev
          libsndfile1-dev qt6-svg-dev qt6-charts-dev qt6-base-private-dev
          desktop-file-utils appstream python3-dev python3-numpy python3-pytest pybind11-dev
          dpkg-dev file lintian man-db bash-completion "$@")
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_prefix=()
  [ "$(id -u)" -eq 0 ] || sudo_prefix=(sudo)
  "${sudo_prefix[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_prefix[@]}" apt-get install -y -qq "${missing[@]}"
fi
