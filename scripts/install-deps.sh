#!/usr/bin/env bash
# Installs the Debian packages the build needs, but only those that are missing,
# and only when run as root.  Quiet when everything is already there.
set -euo pipefail

packages=(
  g++ make cmake
  libgtest-dev libgmock-dev
  libbenchmark-dev libsqlite3-dev
  clang libclang-rt-14-dev
  pkg-config libplist-dev
  wordnet-base edict file util-linux
)

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "missing build packages (run as root to install): ${missing[*]}" >&2
  exit 0
fi

echo "installing build packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
