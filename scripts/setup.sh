#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, run and test.
# Does nothing when all of them are present.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-dev pkg-config
  qt6-base-dev qt6-serialport-dev libgl-dev
  gettext libjpeg-dev libssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth socat imagemagick poppler-utils qpdf
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
