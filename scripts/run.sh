#!/usr/bin/env bash
# Installs what is missing, builds, and opens the program under Wine with the
# default simulated devices and the local firmware server. On $DISPLAY when
# there is one; otherwise on a virtual display, where it saves a screenshot
# of the window to build/screenshot.png and closes the program.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh" || exit 1
"$root/scripts/build.sh" || exit 1

out="$root/build/out"
export MORVEX_BUILD_DIR="$root/build"
visible="${DISPLAY:-}"
# shellcheck source=../tools/wine-env.sh
source "$root/tools/wine-env.sh"
wine_env_ready

# The simulated devices the program finds, and the firmware server it asks.
if [ -f "$root/standins/SimulatedDevices.ini" ]; then
  cp "$root/standins/SimulatedDevices.ini" "$out/SimulatedDevices.ini"
fi
server_pid=""
if [ -f "$out/FirmwareServer.exe" ]; then
  wine "$out/FirmwareServer.exe" </dev/null >"$root/build/server.log" 2>&1 &
  server_pid=$!
fi
stop_server() { if [ -n "$server_pid" ]; then kill "$server_pid" 2>/dev/null; fi; }
trap stop_server EXIT

cd "$out"
if [ -n "$visible" ]; then
  wine "$out/MorvexBluetoothDeviceManager.exe"
  exit $?
fi

wine "$out/MorvexBluetoothDeviceManager.exe" </dev/null >/dev/null 2>&1 &
app=$!
shot="$root/build/screenshot.png"
rm -f "$shot"
win=""
for _ in $(seq 1 60); do
  win=$(xdotool search --onlyvisible --name "Device Manager" 2>/dev/null | head -n 1)
  [ -n "$win" ] && break
  sleep 0.5
done
if [ -z "$win" ]; then
  echo "The program's window did not appear." >&2
  kill "$app" 2>/dev/null
  exit 1
fi
sleep 3   # let the first page settle
# The screen's part under the window, so that boxes above it show too.
geometry=$(xwininfo -id "$win" 2>/dev/null | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF} END{if (w) printf "%dx%d+%d+%d", w, h, x, y}')
if [ -n "$geometry" ]; then
  import -display "$DISPLAY" -window root -crop "$geometry" +repage "$shot"
else
  import -display "$DISPLAY" -window root "$shot"
fi
echo "Screenshot of the window: $shot"
# Nobody can answer the program here: end it and everything else under the
# prefix (the server too), whatever box it may be showing.
wine_env_stop
wait "$app" 2>/dev/null
exit 0
