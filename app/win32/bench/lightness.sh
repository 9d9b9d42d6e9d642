#!/usr/bin/env bash
# Lightness benchmark (not a test): Zelvin.exe against a bare Win32 tray
# program on the same simulated driver library, under Wine. Prints each
# figure for both and their ratio. Usage: app/win32/bench/lightness.sh [idle-seconds]
# (default 60). Builds the win64 preset first, into build/win64 or into
# $ZELVIN_BUILD_DIR when set.
set -euo pipefail
cd "$(dirname "$0")/../../.."
root=$(pwd)
idle=${1:-60}
build="${ZELVIN_BUILD_DIR:-$root/build/win64}"
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target Zelvin NvSwap NvAPAPI zelvin_baseline_tray zelvin_lightness_probe >/dev/null
export ZELVIN_WINEPREFIX="${ZELVIN_WINEPREFIX:-$root/build/wineprefix}"

xvfb_pid=""
if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 60 90); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        sleep 1
        break
    done
fi
work=$(mktemp -d)
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

cp -r "$build/stage/." "$work/"
cp "$build/app/win32/bench/zelvin_baseline_tray.exe" "$build/app/win32/bench/zelvin_lightness_probe.exe" "$work/"
printf '[Settings]\r\nDebugMode=0\r\n' >"$work/Zelvin.ini"
export NVAPAPI_SIM_STORE_DIR="$work/store"
mkdir -p "$NVAPAPI_SIM_STORE_DIR"
wwork="Z:${work//\//\\}"

probe() {  # probe <exe> <arguments> <hidden title> <sheet title>
    "$root/scripts/wine-run.sh" "$work/zelvin_lightness_probe.exe" "$wwork\\$1" "$2" "$3" "$4" "$idle" | tr -d '\r'
}
echo "Measuring Zelvin.exe ($idle s idle)..."
read -r z_start z_cpu z_peak z_open < <(probe Zelvin.exe -S "Norvane Wireless UI" "Zelvin Access Point Configuration")
echo "Measuring the baseline ($idle s idle)..."
read -r b_start b_cpu b_peak b_open < <(probe zelvin_baseline_tray.exe "" "Zelvin Baseline" "Baseline Sheet")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
printf '%-28s %12s %12s %8s\n' "figure" "Zelvin" "baseline" "ratio"
printf '%-28s %12s %12s %8s\n' "start-up to tray icon (ms)" "$z_start" "$b_start" "$(ratio "$z_start" "$b_start")"
printf '%-28s %12s %12s %8s\n' "CPU over ${idle} s idle (ms)" "$z_cpu" "$b_cpu" "$(ratio "$z_cpu" "$b_cpu")"
printf '%-28s %12s %12s %8s\n' "peak working set (KiB)" "$z_peak" "$b_peak" "$(ratio "$z_peak" "$b_peak")"
printf '%-28s %12s %12s %8s\n' "open the sheet (ms)" "$z_open" "$b_open" "$(ratio "$z_open" "$b_open")"
