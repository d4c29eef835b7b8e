#!/usr/bin/env bash
# Runs a Windows executable under Wine with the project's prefix and display.
# Used as CMake's cross-compiling emulator and by the scripts.
#
# Wine starts helpers of its own for a program (a console host, for one) that
# can outlive it, and they inherit every descriptor the program has. Had the
# program our caller's pipes (ctest's output pipe, or descriptors ctest leaks
# to its children), the caller would wait for those helpers long after the
# program ended. So descriptors beyond the standard three are closed, and the
# program writes into files of its own, which are passed on as they grow and
# to their end once the program has ended.
for fd in $(ls /proc/$$/fd 2>/dev/null); do
  case "$fd" in 0|1|2|255) ;; *) eval "exec $fd>&-" 2>/dev/null ;; esac
done

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
wine_env_ready || exit 1

dir="$(mktemp -d "${TMPDIR:-/tmp}/wine-run.XXXXXX")" || exec wine "$@"
trap 'rm -rf "$dir"' EXIT
: >"$dir/out"
: >"$dir/err"
wine "$@" </dev/null >"$dir/out" 2>"$dir/err" &
program=$!
# Each follower ends once the program has ended and all it wrote is out.
tail -s 0.1 -n +1 -f --pid="$program" "$dir/out" &
out_follower=$!
tail -s 0.1 -n +1 -f --pid="$program" "$dir/err" >&2 &
err_follower=$!
wait "$program"
status=$?
wait "$out_follower" "$err_follower"
exit "$status"
