# Shared set-up for the project's scripts: packages, build folders, the Wine prefix.
# Sourced, never run on its own.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
DIST="$ROOT/dist"

# What building the programs and running them under Wine needs (scripts/demo needs no more).
DEMO_PACKAGES="cmake g++ googletest nlohmann-json3-dev g++-mingw-w64-x86-64-posix mingw-w64-tools \
lld wine wine64 fonts-wine xvfb xauth"
# Everything the tests and benchmarks use besides: the fuzzer's compiler (its runtime follows, see
# install_fuzzer_runtime), the help page's renderer and checker, the pictures' reader (the icon
# sheet and the help page's picture), the locale sources, what signs releases and makes the
# signing test's certificate, and a font that draws Chinese, Japanese and symbols such as the
# check mark in the tests' pictures (Wine's own fonts draw Latin, Greek and Cyrillic only).
TEST_FONT_PACKAGES="fonts-wqy-microhei"
PACKAGES="$DEMO_PACKAGES clang python3 chromium imagemagick locales osslsigncode openssl \
$TEST_FONT_PACKAGES"

# Installs whichever of the named packages are missing (default: all the project uses).
install_packages() {
    local wanted="${1:-$PACKAGES}"
    install_missing $wanted
    [ "$wanted" = "$PACKAGES" ] && install_fuzzer_runtime
    return 0
}

install_missing() {
    local missing=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    # Several scripts may install at once: wait for each other's lock rather than fail.
    $sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq $missing >/dev/null
}

# The fuzzer's runtime belongs to the installed clang's version (libclang-rt-14-dev for clang 14):
# installed only when that clang cannot find it yet.
install_fuzzer_runtime() {
    local runtime
    runtime="$(clang -print-file-name=libclang_rt.fuzzer-x86_64.a)"
    [ -f "$runtime" ] && return 0
    install_missing "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
}

# The build time every program carries (cmake/Release.cmake): SOURCE_DATE_EPOCH when the caller
# set it, else the last commit's time on a clean tree. A tree with uncommitted changes, or one
# that is no git checkout, is built at the current time, and says so.
set_build_time() {
    if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
        echo "Build time: SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH, as given."
    elif git -C "$ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1 &&
        [ -z "$(git -C "$ROOT" status --porcelain)" ]; then
        SOURCE_DATE_EPOCH="$(git -C "$ROOT" log -1 --format=%ct)"
        echo "Build time: the last commit's, SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH."
    else
        SOURCE_DATE_EPOCH="$(date +%s)"
        echo "Build time: now, SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH: uncommitted changes (or no" \
            "commit), so this build is not reproducible."
    fi
    export SOURCE_DATE_EPOCH
}

# Signing (cmake/Release.cmake, scripts/sign-program): with ZEMBRA_SIGN_PFX and
# ZEMBRA_SIGN_PASSWORD each program is signed right after it is linked, before the installer
# carries it, and then the installer; ZEMBRA_SIGN_TIMESTAMP_URL adds a timestamp.
# ZEMBRA_ATTACH_SIGNATURES (scripts/check-reproducible) attaches a release's signatures instead.
set_signing() {
    SIGN_PFX="" ATTACH_SIGNATURES=""
    if [ -n "${ZEMBRA_SIGN_PFX:-}" ]; then
        if [ -z "${ZEMBRA_SIGN_PASSWORD+set}" ] || [ ! -f "$ZEMBRA_SIGN_PFX" ]; then
            echo "Signing needs ZEMBRA_SIGN_PFX to name a PKCS#12 file and ZEMBRA_SIGN_PASSWORD" \
                "to be set." >&2
            return 1
        fi
        SIGN_PFX="$(realpath "$ZEMBRA_SIGN_PFX")"
        echo "Signed with $SIGN_PFX${ZEMBRA_SIGN_TIMESTAMP_URL:+, timestamped by $ZEMBRA_SIGN_TIMESTAMP_URL}."
    elif [ -n "${ZEMBRA_ATTACH_SIGNATURES:-}" ]; then
        ATTACH_SIGNATURES="$(realpath "$ZEMBRA_ATTACH_SIGNATURES")"
        echo "Signed with the signatures in $ATTACH_SIGNATURES."
    else
        echo "Unsigned: ZEMBRA_SIGN_PFX and ZEMBRA_SIGN_PASSWORD are not set."
    fi
}

configure_windows() {
    cmake -S "$ROOT" -B "$BUILD/windows" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
        -DZEMBRA_SIGN_PFX="${SIGN_PFX:-}" -DZEMBRA_ATTACH_SIGNATURES="${ATTACH_SIGNATURES:-}" >/dev/null
}

# Only the editor and the demo's runner, for a quick first look.
build_demo() {
    set_build_time
    set_signing
    configure_windows
    cmake --build "$BUILD/windows" -j"$(nproc)" --target Zembra rundemo
    mkdir -p "$DIST"
    cp "$BUILD/windows/app/Zembra.exe" "$BUILD/windows/app/Help.htm" "$DIST/"
}

# Builds both trees and puts the deliverables in dist/ with their checksums. Given "deliverables",
# only the programs, not the tests (scripts/check-reproducible).
build_all() {
    local native_targets=() windows_targets=()
    if [ "${1:-}" = deliverables ]; then
        native_targets=(--target zembra-cli)
        windows_targets=(--target Zembra Uninstall zembra-cli Installer)
    fi
    set_build_time
    set_signing
    cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$BUILD/native" -j"$(nproc)" "${native_targets[@]}"
    cmake --install "$BUILD/native" --prefix "$DIST" >/dev/null
    configure_windows
    cmake --build "$BUILD/windows" -j"$(nproc)" "${windows_targets[@]}"
    cmake --install "$BUILD/windows" --prefix "$DIST" >/dev/null
    write_checksums
}

# dist/SHA256SUMS: every file both builds installed, as `sha256sum -c` reads it in dist/.
write_checksums() {
    local file
    # (CMake's lists end without a line feed.)
    { cat "$BUILD/native/install_manifest.txt"; echo; cat "$BUILD/windows/install_manifest.txt"; } |
        while IFS= read -r file || [ -n "$file" ]; do
            [ -n "$file" ] && printf '%s\0' "$(realpath -s --relative-to="$DIST" "$file")"
        done |
        LC_ALL=C sort -z | (cd "$DIST" && xargs -0 sha256sum) >"$DIST/SHA256SUMS"
}

# Wine: the project's own prefix and home, never the user's.
export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEARCH=win64
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
WINE_HOME="$BUILD/winehome"

prepare_prefix() {
    mkdir -p "$WINE_HOME"
    if [ ! -f "$WINEPREFIX/.zembra-ready" ]; then
        echo "Initialising the Wine prefix (once)..."
        rm -rf "$WINEPREFIX"
        HOME="$WINE_HOME" wineboot -i >/dev/null 2>&1
        HOME="$WINE_HOME" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        HOME="$WINE_HOME" wineserver -w
        # Window captions draw their buttons with Marlett; without it they show letters.
        cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
        touch "$WINEPREFIX/.zembra-ready"
    fi
    link_test_fonts
    local id
    for ((id = 1; id < WINE_MACHINES; id++)); do
        copy_prefix "$(machine_prefix "$id")" "$(machine_home "$id")"
    done
}

# The tests' Windows machines, side by side: each one a prefix, a home, a wineserver and a display
# of its own (scripts/wine-session starts them, scripts/on-machine runs a program on a free one),
# so that two tests never share a registry, a folder, a window list or the keyboard's focus.
# Machine 0 is the project's prefix itself; the others are copies of it.
WINE_MACHINES=2
machine_prefix() { if [ "$1" = 0 ]; then echo "$BUILD/wineprefix"; else echo "$BUILD/wineprefix-$1"; fi; }
machine_home() { if [ "$1" = 0 ]; then echo "$WINE_HOME"; else echo "$WINE_HOME-$1"; fi; }

# A copy of the project's prefix at $1 with the home $2, made again whenever the prefix was made
# or changed since (its markers' times decide). The user's folders that Wine links to the home
# (Documents, Desktop...) then lead to the copy's own home.
copy_prefix() {
    local project copy="$1" home="$2" made link
    project="$(machine_prefix 0)"
    made="$(stat -c %Y "$project"/.zembra-* 2>/dev/null)"
    [ -f "$copy/.zembra-copy" ] && [ "$(cat "$copy/.zembra-copy")" = "$made" ] && return 0
    rm -rf "$copy"
    cp -a "$project" "$copy"
    mkdir -p "$home"
    for link in "$copy"/drive_c/users/*/*; do
        [ -L "$link" ] && [ "$(readlink "$link")" = "$WINE_HOME" ] && ln -sfn "$home" "$link"
    done
    echo "$made" >"$copy/.zembra-copy"
}

# Makes machine $1 the one Wine programs started from here run on: its prefix, home and display
# (ZEMBRA_MACHINE_DISPLAYS, set by scripts/wine-session, lists them in the machines' order).
use_machine() {
    local displays=(${ZEMBRA_MACHINE_DISPLAYS:-${DISPLAY:-}})
    export WINEPREFIX="$(machine_prefix "$1")" HOME="$(machine_home "$1")"
    [ -n "${displays[$1]:-}" ] && export DISPLAY="${displays[$1]}"
    return 0
}

# Runs "$@" on the first machine of the session that nothing else runs on, holding that machine
# until it ends (a lock per machine, kept from the program and what it starts), and returns its
# exit code. Outside a session of several machines, on machine 0.
run_on_free_machine() {
    local displays=(${ZEMBRA_MACHINE_DISPLAYS:-})
    local count=${#displays[@]} id rc busy=75
    [ "$count" -gt 1 ] || { (use_machine 0 && "$@"); return; }
    while true; do
        for ((id = 0; id < count; id++)); do
            rc=0
            (use_machine "$id" && exec flock -n -o -E $busy "$BUILD/machine-$id.lock" "$@") || rc=$?
            [ $rc -ne $busy ] && return $rc
        done
        sleep 0.05
    done
}

# The font of TEST_FONT_PACKAGES in the prefix's Fonts folder, linked to "Tahoma" (the boxes'
# font, and the one "MS Shell Dlg" stands for), so that a character Tahoma lacks is drawn from it
# rather than as a square. Wine draws from the first linked font only, hence one font with every
# script; a linked name that is no real font ("MS Shell Dlg") or a bitmap font ("MS Sans Serif",
# the form's) would lose its own letters, so those stay unlinked. Once per prefix; a prefix made
# before the font was installed gets it on its next use.
TEST_FONT=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
link_test_fonts() {
    [ -f "$WINEPREFIX/.zembra-fonts" ] && return 0
    [ -f "$TEST_FONT" ] || { echo "Missing $TEST_FONT: the pictures will show squares."; return 0; }
    ln -sf "$TEST_FONT" "$WINEPREFIX/drive_c/windows/Fonts/"
    HOME="$WINE_HOME" wine reg add \
        'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma \
        /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1 || return 0
    HOME="$WINE_HOME" wineserver -w
    touch "$WINEPREFIX/.zembra-fonts"
}

# An absolute Linux path as Wine's programs see it (drive Z:). Computed here rather than with
# winepath, which would start Wine programs without a display.
windows_path() {
    local path="$1"
    echo "Z:${path//\//\\}"
}

# Runs "$@" on a virtual display of its own with the project's Wine session.
in_wine_display() {
    xvfb-run -a -s "-screen 0 1280x1024x24" "$ROOT/scripts/wine-session" "$@"
}
