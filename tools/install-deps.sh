#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Velloran
# need, and only those that are missing. Run as root on Debian 12.
# dpkg-dev and file let the Debian package find its library dependencies
# (dpkg-shlibdeps); desktop-file-utils checks its desktop entry.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qtbase5-dev qttools5-dev qttools5-dev-tools
  libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core fonts-noto-cjk
  dpkg-dev file desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
