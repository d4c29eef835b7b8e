#!/usr/bin/env bash
# Runs a Windows executable under Wine with the project's prefix and display.
# Used as CMake's cross-compiling emulator and by the scripts.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
wine_env_ready || exit 1
exec wine "$@"
