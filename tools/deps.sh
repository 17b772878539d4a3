#!/usr/bin/env bash
# Installs the Debian packages the build needs, and any named as arguments, when they are
# missing: tools/deps.sh [PACKAGE...]
set -euo pipefail
packages=(cmake g++ make libgtest-dev libbenchmark-dev clang-format "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y \
    --no-install-recommends "${missing[@]}"
fi
