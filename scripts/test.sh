#!/usr/bin/env bash
# Builds every preset with warnings as errors and runs every test: native,
# native under AddressSanitizer and UBSan, and the Windows tests under Wine
# (64-bit and 32-bit) on a virtual display. Prints one summary; exits non-zero
# on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

./scripts/install-deps.sh || { echo "dependency installation failed"; exit 1; }

jobs=$(nproc)
declare -a summary
failed=0

step() {  # step <label> <command...>
    local label=$1; shift
    local log="$root/build/logs/${label// /_}.log"
    mkdir -p "$root/build/logs"
    local start=$SECONDS
    if "$@" >"$log" 2>&1; then
        summary+=("PASS  $label ($((SECONDS - start)) s)")
        return 0
    fi
    summary+=("FAIL  $label ($((SECONDS - start)) s)  -> $log")
    failed=1
    echo "---- $label failed; last lines of $log:"
    tail -n 40 "$log"
    return 1
}

build() {  # build <preset>
    cmake --preset "$1" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON && cmake --build --preset "$1" -j "$jobs"
}

run_ctest() {  # run_ctest <preset>
    ctest --preset "$1" -j "$jobs" --timeout 600
}

# One virtual display for every Wine test, so GUI tests behave the same on a
# desktop and on a headless CI machine.
start_display() {
    export ZELVIN_WINEPREFIX="${ZELVIN_WINEPREFIX:-$root/build/wineprefix}"
    for n in $(seq 90 120); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
            xvfb_pid=$!
            export DISPLAY=":$n"
            for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
        fi
    done
    echo "no virtual display could be started"
    return 1
}
xvfb_pid=""
cleanup() {
    [ -n "${ZELVIN_WINEPREFIX:-}" ] && WINEPREFIX="$ZELVIN_WINEPREFIX" wineserver -k >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

declare -A built
for preset in linux linux-asan win64 win32; do
    step "build $preset" build "$preset" && built[$preset]=1
done
tests() {  # tests <preset> <label>: a preset that did not build fails its tests too
    if [ -n "${built[$1]:-}" ]; then step "$2" run_ctest "$1"
    else summary+=("FAIL  $2 (not built)"); failed=1; fi
}
tests linux "native tests"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 tests linux-asan "native tests, ASan+UBSan"
# A fresh Wine prefix is made once, before tests run in parallel, so no test
# races its creation.
warm_wine() {
    ./scripts/wine-run.sh cmd /c exit </dev/null >/dev/null 2>&1
    WINEPREFIX="$ZELVIN_WINEPREFIX" wineserver -w
    return 0
}
if start_display && warm_wine; then
    tests win64 "Windows tests under Wine, 64-bit"
    tests win32 "Windows tests under Wine, 32-bit"
else
    summary+=("FAIL  virtual display for the Wine tests")
    failed=1
fi

echo
echo "==== Zelvin test summary ===="
printf '%s\n' "${summary[@]}"
if [ $failed -ne 0 ]; then
    echo "RESULT: FAILED"
    exit 1
fi
echo "RESULT: all passed"
