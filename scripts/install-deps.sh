#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, and
# only those that are missing, so repeated runs cost nothing. The MinGW-w64
# compiler is always among them (the suite cross-compiles the Windows side);
# Wine, which runs that side, only with --windows. Clang and its sanitizer
# and fuzzer runtimes build the parsers' fuzz targets (tests/fuzz).
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev
  qt6-qpa-plugins fonts-dejavu-core
  iproute2 iputils-ping procps util-linux
  xvfb xauth
  g++-mingw-w64-x86-64-posix
  clang libclang-rt-14-dev
)
case "${1:-}" in
  --demo) packages+=(x11-utils imagemagick) ;;
  --windows) packages+=(wine64) ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null; then
    sudo="sudo"
  else
    echo "Missing packages (${missing[*]}) and no root rights: install them as root." >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
