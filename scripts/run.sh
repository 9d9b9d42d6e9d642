#!/usr/bin/env bash
# Builds the x86-64 stage and starts Zelvin.exe under Wine on the simulated
# adapter, in a Wine virtual desktop (taskbar and tray included). Without a
# display it starts a virtual one (Xvfb) and saves a screenshot every few
# seconds to build/screenshots/latest.png.
# Options: --for SECONDS  stop after that long (default: run until Ctrl-C)
#          any other arguments are passed to Zelvin.exe (e.g. -S)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

duration=0
args=()
while [ $# -gt 0 ]; do
    case "$1" in
        --for) duration=$2; shift 2 ;;
        *) args+=("$1"); shift ;;
    esac
done

./scripts/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" >/dev/null
stage="$root/build/win64/stage"
export ZELVIN_WINEPREFIX="${ZELVIN_WINEPREFIX:-$root/build/wineprefix}"

xvfb_pid=""
shots="$root/build/screenshots"
mkdir -p "$shots"
if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 20 60); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        break
    done
    echo "No display: running on the virtual display $DISPLAY."
    echo "A screenshot is saved every 5 seconds to $shots/latest.png"
fi

cleanup() {
    WINEPREFIX="$ZELVIN_WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT INT TERM

echo "Starting $stage/Zelvin.exe ${args[*]:-}"
# Wine's virtual desktop has a taskbar with a notification area, so the tray
# icon and its menu can be seen even without a desktop environment.
(cd "$stage" && "$root/scripts/wine-run.sh" explorer /desktop=Zelvin,1280x1024 "$stage/Zelvin.exe" "${args[@]}") &
app=$!

start=$SECONDS
while kill -0 "$app" 2>/dev/null; do
    sleep 5
    [ -n "$xvfb_pid" ] && import -window root "$shots/latest.png" 2>/dev/null || true
    if [ "$duration" -gt 0 ] && [ $((SECONDS - start)) -ge "$duration" ]; then
        echo "Stopping after $duration s."
        break
    fi
done
