#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine (code page 936), each in a fresh prefix.
source "$(dirname "$0")/common.sh"

dv_install_packages
BUILD="$DV_ROOT/build/test"
dv_build "$BUILD" -DDIRVANE_TESTS=ON -DDIRVANE_BENCH=ON
dv_start_display
dv_wine_env "$BUILD/wineprefix-bench"
rm -rf "$WINEPREFIX"
trap dv_cleanup EXIT
dv_prefix_init
dv_prefix_unmanaged
for b in "$BUILD"/bench/*_bench.exe; do
    echo "== $(basename "$b" .exe)"
    wine "$b"
done
