#!/usr/bin/env bash
# Screenshots of the main window with its drop-down menus open, for looking
# at the menu painter and the artwork. Not part of the product.
#   bash tools/menu-shots.sh [output-dir]     (default build/screenshots)
# Uses the build folder of scripts/test.sh when it has one (DV_BUILD to choose).
source "$(dirname "$0")/../scripts/common.sh"

OUTDIR="${1:-$DV_ROOT/build/screenshots}"
BUILD="${DV_BUILD:-$DV_ROOT/build/test}"
[[ -x "$BUILD/Dirvane.exe" ]] || BUILD="$DV_ROOT/build/run"
dv_build "$BUILD" >/dev/null
dv_wine_env "$DV_ROOT/build/wineprefix-shots"
rm -rf "$WINEPREFIX"
dv_start_display
trap dv_cleanup EXIT
dv_prefix_init
mkdir -p "$OUTDIR"

shot() {
    sleep 0.7
    import -display "$DISPLAY" -window root -crop 640x560+300+220 +repage "$OUTDIR/$1.png"
    echo "Screenshot: $OUTDIR/$1.png"
}
keys() { wine "$BUILD/dvkeys.exe" "$@"; }

wine "$BUILD/Dirvane.exe" &
wine "$BUILD/dvctl.exe" wait 60
shot main-empty-selection
keys alt+f
shot menu-file-nothing-selected
keys down
shot menu-file-keyboard-on-disabled-item
keys down down
shot menu-file-keyboard-on-item
keys esc esc click@60,30
shot main-row-selected
keys alt+f
shot menu-file-row-selected
keys right
shot menu-view-row-selected
keys right
shot menu-help
keys esc esc
wine "$BUILD/dvctl.exe" close 30
wineserver -w
