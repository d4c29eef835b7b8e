#!/usr/bin/env bash
# Configures and builds everything into build/ (the program lands in build/out/).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
if [ ! -f "$build/CMakeCache.txt" ]; then
  launcher=()
  # A compiler cache, when the machine has one, shares objects between trees.
  if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$root")}"
  fi
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw32.cmake" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
fi
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$root")}"
cmake --build "$build" -j"$(nproc)"
