# Shared by scripts/run.sh and scripts/test.sh: packages, build, display, Wine.
set -euo pipefail

DV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
DV_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
             wine wine64 xvfb xauth x11-utils fonts-wqy-microhei imagemagick fp-utils googletest)

dv_install_packages() {
    local missing=()
    for p in "${DV_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

# dv_build DIR [cmake options...]
dv_build() {
    local dir="$1"; shift
    cmake -S "$DV_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$DV_ROOT/cmake/mingw-w64-x86_64-posix.cmake" \
        -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

# Wine with the program's code page (936), quiet, no Mono/Gecko installers.
dv_wine_env() {
    export WINEPREFIX="$1"
    export LC_ALL=zh_CN.GBK
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
}

dv_prefix_init() {
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # The dialog fonts get a face with both Latin and Chinese glyphs.
    local f
    for f in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "SimSun" "宋体"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$f" /t REG_SZ \
            /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1 || true
    done
    wineserver -w
}

# Xvfb has no window manager: unmanaged windows spare Wine a 2-second wait
# for a withdraw that never comes each time a window is hidden or destroyed.
dv_prefix_unmanaged() {
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
}

DV_XVFB_PID=""
dv_start_display() {
    if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then return; fi
    local n
    for n in $(seq 90 130); do
        [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        DV_XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            [[ -e /tmp/.X11-unix/X$n ]] && return
            sleep 0.1
        done
    done
    echo "could not start Xvfb" >&2
    return 1
}

dv_cleanup() {
    wineserver -k 2>/dev/null || true
    if [[ -n "$DV_XVFB_PID" ]]; then kill "$DV_XVFB_PID" 2>/dev/null || true; fi
}
