#!/usr/bin/env bash
# Installs the Debian packages the suite needs, but only when something is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libsdl2-dev libfluidsynth-dev timgm6mb-soundfont
  libgtest-dev fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
