#!/usr/bin/env bash
# Runs a Windows executable under Wine in the project's own prefix, quietly.
# ctest uses it as the cross-compiling emulator; scripts/run.sh uses it too.
set -u
export WINEPREFIX="${ZELVIN_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zelvin/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono/Gecko installers, no desktop menu entries.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
mkdir -p "$(dirname "$WINEPREFIX")"
# Wine's own services outlive the command that starts them; none of them may
# inherit the lock's descriptor (9>&-), or the lock would be held for good.
(
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1 9>&-
        wineserver -w 9>&-
    fi
    # Test programs' windows are not handed to an X window manager: the
    # virtual display has none, and Wine would wait 2 s for one each time a
    # shown window is closed. Set once per test program and prefix.
    exe=$(basename "$1")
    if [[ "$exe" == *_tests.exe ]] && [ ! -f "$WINEPREFIX/.unmanaged-$exe" ]; then
        wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1 9>&- &&
            touch "$WINEPREFIX/.unmanaged-$exe"
    fi
) 9>"$WINEPREFIX.lock"
exec wine "$@"
