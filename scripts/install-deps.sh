#!/usr/bin/env bash
# Installs the Debian packages that Ondulix needs, and only those that are missing.
#   scripts/install-deps.sh          what building and running the program needs
#   scripts/install-deps.sh --test   the same, plus what the test suite and benchmarks need
# Safe to run again: when everything is present it changes nothing and needs no network.
set -euo pipefail

build_packages=(
    g++ cmake ninja-build make
    qt6-base-dev qt6-qpa-plugins libgl-dev
    qt6-multimedia-dev libsndfile1-dev libmuparser-dev
    fonts-liberation2
    dpkg-dev
)
test_packages=(
    libgtest-dev libbenchmark-dev
    xvfb xdotool xclip imagemagick x11-utils xauth
    iverilog hyperfine
    desktop-file-utils
    clang libclang-rt-14-dev
    pulseaudio pulseaudio-utils sox
    lintian appstream groff-base man-db
)

wanted=("${build_packages[@]}")
if [[ "${1:-}" == "--test" ]]; then
    wanted+=("${test_packages[@]}")
fi

missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "installed" ]] || missing+=("$pkg")
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
