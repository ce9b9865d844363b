#!/bin/sh
# Installs the Debian packages that building and testing the suite need,
# only those that are absent (apt-get, as root or through sudo).
set -e
packages="g++ make cmake libgtest-dev python3"
# the fuzz targets: clang with libFuzzer and the sanitizer runtimes
packages="$packages clang libclang-rt-14-dev"
# korvanta and its window tests (a fresh X server per test, driven by xdotool)
packages="$packages freeglut3-dev libgl1-mesa-dev libx11-dev xvfb xdotool x11-apps x11-utils xauth imagemagick"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "setup: installing$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
# another apt run may hold the dpkg lock for a moment: try a few times
for attempt in 1 2 3 4 5; do
    if $sudo apt-get update -q && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q $missing; then
        exit 0
    fi
    sleep 5
done
echo "setup: could not install$missing" >&2
exit 1
