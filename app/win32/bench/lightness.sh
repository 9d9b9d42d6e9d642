#!/usr/bin/env bash
# Lightness benchmark (not a test): Zelvin.exe against a bare Win32 tray
# program on the same simulated driver library, under Wine. Prints each
# figure for both and their ratio. Usage: app/win32/bench/lightness.sh [idle-seconds]
# (default 60); ZELVIN_BENCH_ROUNDS sets how many starts give the start-up
# median (default 5). Builds the win64 preset first, into build/win64 or into
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

# CPU time (ms) of the host process that runs Windows program $1 (its command
# line names it; the probe's own is skipped), read from /proc: utime + stime.
host_cpu_ms() {
    local tick pid
    tick=$(getconf CLK_TCK)
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
        local line
        line=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null) || continue
        if grep -qiF "$1" <<<"$line" && ! grep -qi lightness_probe <<<"$line"; then
            awk -v t="$tick" '{ printf "%d", ($14 + $15) * 1000 / t }' "/proc/$pid/stat"
            return
        fi
    done
    echo 0
}

sync="$work/sync"
export ZELVIN_PROBE_SYNC="$wwork\\sync"
probe() {  # probe <exe> <arguments> <hidden title> <sheet title>; sets start cpu peak open
    rm -rf "$sync" && mkdir -p "$sync"
    "$root/scripts/wine-run.sh" "$work/zelvin_lightness_probe.exe" "$wwork\\$1" "$2" "$3" "$4" "$idle" \
        | tr -d '\r' >"$work/probe.out" &
    local probe_pid=$! before=0 after=0
    while [ ! -e "$sync/idle-begin" ] && kill -0 "$probe_pid" 2>/dev/null; do sleep 0.1; done
    before=$(host_cpu_ms "$1"); touch "$sync/idle-begin.ack"
    while [ ! -e "$sync/idle-end" ] && kill -0 "$probe_pid" 2>/dev/null; do sleep 0.2; done
    after=$(host_cpu_ms "$1"); touch "$sync/idle-end.ack"
    wait "$probe_pid"
    read -r start cpu peak open <"$work/probe.out"
    [ "$cpu" = 0 ] && cpu=$((after - before))
}
zelvin() { probe Zelvin.exe -S "Norvane Wireless UI" "Zelvin Access Point Configuration"; }
baseline() { probe zelvin_baseline_tray.exe "" "Zelvin Baseline" "Baseline Sheet"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Warm-up, not measured: the first program of a Wine session pays for the
# session's desktop and the library creates its store on first use; neither
# belongs to whichever program happens to be measured first.
echo "Warming up..."
idle_saved=$idle idle=0
baseline
# Start-up is short against the machine's noise: the median of several
# starts, the two programs taking turns.
rounds=${ZELVIN_BENCH_ROUNDS:-5}
echo "Measuring start-up ($rounds rounds)..."
z_starts="" b_starts=""
for _ in $(seq "$rounds"); do
    zelvin; z_starts+="$start"$'\n'
    baseline; b_starts+="$start"$'\n'
done
idle=$idle_saved
echo "Measuring Zelvin.exe ($idle s idle)..."
zelvin
z_start=$(printf '%s' "$z_starts" | median) z_cpu=$cpu z_peak=$peak z_open=$open
echo "Measuring the baseline ($idle s idle)..."
baseline
b_start=$(printf '%s' "$b_starts" | median) b_cpu=$cpu b_peak=$peak b_open=$open

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
printf '%-28s %12s %12s %8s\n' "figure" "Zelvin" "baseline" "ratio"
printf '%-28s %12s %12s %8s\n' "start-up to tray icon (ms)" "$z_start" "$b_start" "$(ratio "$z_start" "$b_start")"
printf '%-28s %12s %12s %8s\n' "CPU over ${idle} s idle (ms)" "$z_cpu" "$b_cpu" "$(ratio "$z_cpu" "$b_cpu")"
printf '%-28s %12s %12s %8s\n' "peak working set (KiB)" "$z_peak" "$b_peak" "$(ratio "$z_peak" "$b_peak")"
printf '%-28s %12s %12s %8s\n' "open the sheet (ms)" "$z_open" "$b_open" "$(ratio "$z_open" "$b_open")"
