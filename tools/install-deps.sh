#!/usr/bin/env bash
# Installs the Debian packages that building and testing need. Run as root (or with sudo).
set -euo pipefail

packages=(
  g++ cmake ninja-build ccache pkg-config
  libgtest-dev libgmock-dev
  libcairo2-dev fonts-liberation2 libsuitesparse-dev libfftw3-dev
  libwxgtk3.2-dev libgtk-3-dev xvfb xauth imagemagick xdotool poppler-utils openbox
  clang libclang-rt-14-dev
  python3-numpy python3-scipy python3-scikit-rf ngspice time sox
  gerbv
  texlive-latex-base texlive-pictures
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
