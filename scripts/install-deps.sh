#!/usr/bin/env bash
# Installs the Debian packages that Ondulix needs, and only those that are missing.
#   scripts/install-deps.sh          what building and running the program needs
#   scripts/install-deps.sh --test   the same, plus what the test suite and benchmarks need
# Safe to run again: when everything is present it changes nothing and needs no network.
set -euo pipefail

build_packages=(
    g++ cmake ninja-build make
    qt6-base-dev qt6-qpa-plugins libgl-dev
    qt6-multimedia-dev libsndfile1-dev libmuparser-dev librtmidi-dev
    fonts-liberation2
    dpkg-dev
)
test_packages=(
    libgtest-dev libbenchmark-dev
    xvfb xdotool xclip imagemagick x11-utils xauth
    iverilog ghdl yosys hyperfine
    desktop-file-utils
    clang python3
    pulseaudio pulseaudio-utils sox
    jackd2 python3-rtmidi
    lintian appstream groff-base man-db
)

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    as_root=(sudo)
fi
updated=false

# Installs those of the packages named that are missing; with none missing, it does nothing.
install_missing() {
    local missing=() pkg status
    for pkg in "$@"; do
        status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
        [[ "$status" == "installed" ]] || missing+=("$pkg")
    done
    if [[ ${#missing[@]} -eq 0 ]]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    # Through env, which sudo keeps: jackd2 asks whether to allow real-time priority, and no
    # one is there to answer; the question keeps its default (no).
    local apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get)
    if [[ $updated == false ]]; then
        "${apt[@]}" update -q
        updated=true
    fi
    "${apt[@]}" install -y -q --no-install-recommends "${missing[@]}"
}

wanted=("${build_packages[@]}")
if [[ "${1:-}" == "--test" ]]; then
    wanted+=("${test_packages[@]}")
fi
install_missing "${wanted[@]}"

# The sanitizer and fuzzer runtimes come in one package for each clang version: the one of the
# clang that is installed, which is the release's own unless someone chose another.
if [[ "${1:-}" == "--test" ]]; then
    version=$(clang -dumpversion)
    if [[ ! $version =~ ^[0-9]+ ]]; then
        echo "install-deps: clang gives no version number ('$version')" >&2
        exit 1
    fi
    install_missing "libclang-rt-${version%%.*}-dev"
fi
