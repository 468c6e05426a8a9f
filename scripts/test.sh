#!/usr/bin/env bash
# Builds Dirvane and its tests, then runs every test under Wine in a fresh
# prefix (code page 936) and a virtual display. Ends with ctest's summary.
source "$(dirname "$0")/common.sh"

dv_install_packages
BUILD="$DV_ROOT/build/test"
dv_build "$BUILD" -DDIRVANE_TESTS=ON -DDIRVANE_BENCH=ON
dv_start_display
dv_wine_env "$BUILD/wineprefix"
rm -rf "$WINEPREFIX"
trap dv_cleanup EXIT
dv_prefix_init
dv_prefix_unmanaged
cd "$BUILD"
ctest --output-on-failure -j 1 "$@"
