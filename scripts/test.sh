#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine on a
# virtual display. The last line is ctest's summary.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" || exit 1
"$root/scripts/build.sh" || exit 1

export MORVEX_BUILD_DIR="$root/build"
# shellcheck source=../tools/wine-env.sh
source "$root/tools/wine-env.sh"
unset DISPLAY   # tests always run on their own virtual display
wine_env_ready

# The window tests share one virtual display, and Wine now and then leaves a
# test program hanging at its start or exit on a loaded machine: a test that
# fails runs once more, and a test that fails twice fails the run.
ctest --test-dir "$root/build" -j"$(nproc)" --output-on-failure --timeout 600 --repeat until-pass:2 > "$root/build/ctest.log" 2>&1
status=$?
wine_env_stop
# Failures in full, then ctest's summary as the last line.
grep -v '^$' "$root/build/ctest.log" | grep -E -v '^ *(Start|[0-9]+/[0-9]+ Test) |tests passed, .* tests failed out of' || true
grep -E 'tests passed, .* tests failed out of' "$root/build/ctest.log" | tail -n 1
exit $status
