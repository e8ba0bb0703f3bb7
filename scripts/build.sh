#!/usr/bin/env bash
# Configures and builds one build folder: scripts/build.sh <folder> [cmake options...]
# BUILD_TARGET=<target> builds that target only (and what it needs).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
export CCACHE_BASEDIR="$PWD"
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" --parallel ${BUILD_TARGET:+--target "$BUILD_TARGET"}
