#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need; does nothing when all are there.
# Usage: scripts/deps.sh [build|run|test|fuzz|package|windows|bench]...
set -euo pipefail

build=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libudev-dev)
run=(libqt6widgets6 libqt6gui6 qt6-qpa-plugins)
test=(libgtest-dev googletest)
fuzz=(clang libclang-rt-dev)
# Building the .deb (dpkg-shlibdeps computes its dependencies) and checking its desktop files.
package=(dpkg-dev file desktop-file-utils appstream)
# Cross build of the Qt-free layers for Windows, tests run under Wine; googletest is built from source.
# The start-up and idle benchmarks: a display server, window polling, peak memory and the program compared.
bench=(xvfb xdotool time cutecom)
windows=(cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 googletest)

wanted=()
for group in "${@:-build}"; do
    case "$group" in
        build) wanted+=("${build[@]}") ;;
        run) wanted+=("${build[@]}" "${run[@]}") ;;
        test) wanted+=("${build[@]}" "${test[@]}") ;;
        fuzz) wanted+=("${build[@]}" "${fuzz[@]}") ;;
        package) wanted+=("${build[@]}" "${run[@]}" "${package[@]}") ;;
        windows) wanted+=("${windows[@]}") ;;
        bench) wanted+=("${bench[@]}") ;;
        *) echo "deps.sh: unknown group '$group'" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
