#!/usr/bin/env bash
# Installs the Debian packages the suite needs, and any named as arguments (the benchmarks name
# theirs), but only when something is missing.
#
#   scripts/setup.sh [package...]
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libsdl2-dev libfluidsynth-dev timgm6mb-soundfont
  libgtest-dev fonts-dejavu-core
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  # Another installation under way (a shared machine, an unattended upgrade) is waited for.
  apt=(apt-get -o DPkg::Lock::Timeout=600)
  "${sudo_cmd[@]}" "${apt[@]}" update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi
