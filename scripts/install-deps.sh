#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing, benchmarking and taking screenshots
# need. Safe to run again: it does nothing when every package is present. Works as root or
# through sudo; only Debian's own package archive is used.
set -euo pipefail

packages=(
    g++ make cmake ninja-build pkg-config ccache python3 locales
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev libgl-dev
    fonts-liberation2 libqpdf-dev qpdf
    libbenchmark-dev clang libclang-rt-14-dev
    xvfb xauth xdotool x11-utils bc imagemagick poppler-utils librsvg2-bin
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-deps: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
