#!/usr/bin/env bash
# Builds Dirvane and starts it under Wine (code page 936) in its own prefix.
# Without a display it starts a virtual one, waits for the main window,
# saves a screenshot, closes the program the normal way and exits 0.
source "$(dirname "$0")/common.sh"

dv_install_packages
BUILD="$DV_ROOT/build/run"
dv_build "$BUILD"
dv_wine_env "$DV_ROOT/build/wineprefix-run"
[[ -d "$WINEPREFIX" ]] || dv_prefix_init

if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
    wine "$BUILD/Dirvane.exe"
    wineserver -w
    exit 0
fi

trap dv_cleanup EXIT
dv_start_display
wine "$BUILD/Dirvane.exe" &
wine "$BUILD/dvctl.exe" wait 60
SHOT="${DV_SCREENSHOT:-$DV_ROOT/build/screenshots/dirvane.png}"
mkdir -p "$(dirname "$SHOT")"
sleep 1
import -display "$DISPLAY" -window root "$SHOT"
echo "Screenshot: $SHOT"
wine "$BUILD/dvctl.exe" close 30
wineserver -w
