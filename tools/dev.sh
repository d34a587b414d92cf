#!/usr/bin/env bash
# Sets a Debian 12 machine up for Kelvora (only what is missing), builds it,
# then starts the program (run), runs every test through CTest (test) or only
# the quick ones, the unit and offscreen tests, while editing (check); or
# cross-builds it for Windows, tests that build under Wine and packs it as a
# zip and an installer (windows).
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
case "$mode" in
run | test | check | windows) ;;
*)
    echo "usage: bash tools/dev.sh [run|test|check|windows]" >&2
    exit 2
    ;;
esac

# The window tests, configured with the program, talk to the X server through xcb;
# cmark-gfm renders the user guide that the packages ship.
packages=(cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev libxcb1-dev
    fonts-liberation2 fontconfig cmark-gfm)
# The tests also check that the sources keep their committed format, build and
# validate the Debian package (both quick, so check runs them too), and run the
# fuzzer, which needs clang with its runtime; the benchmarks need Google's.
case "$mode" in
test | check)
    packages+=(clang-format dpkg-dev file desktop-file-utils appstream)
    ;;
esac
[ "$mode" = test ] && packages+=(clang libclang-rt-14-dev libbenchmark-dev)
# The window tests run again on desktops of their own (an X server with a
# window manager, openbox or metacity, and a private session bus), and the
# screen-reader test talks to the program over that bus and its own
# accessibility bus through AT-SPI.
[ "$mode" = test ] && packages+=(xvfb openbox metacity x11-utils dbus-daemon dbus-bin
    at-spi2-core python3-pyatspi)
# The copied room is pasted into LibreOffice Calc, set to Vietnamese and to English,
# and into Writer, where it must fill one page.
[ "$mode" = test ] && packages+=(libreoffice-calc libreoffice-writer unzip)
# Windows: the mingw-w64 compiler, Qt's source (unpacked by dpkg-source) and
# its build tool, Wine with a desktop for the tests (the fonts come from the
# host), and NSIS for the installer.
[ "$mode" = windows ] && packages+=(g++-mingw-w64-x86-64-posix ninja-build dpkg-dev xz-utils
    wine64 xvfb openbox x11-utils dbus-daemon dbus-bin nsis)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if ((${#missing[@]} > 0)); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends \
        "${missing[@]}"
fi

werror=OFF
[ "${CI:-}" = true ] && werror=ON
if [ "$mode" = windows ]; then
    # Qt for Windows is built once per machine (twenty minutes and more) and
    # kept outside the checkout; it prints where.
    qt=$(bash tools/windows/qt.sh)
    cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_PREFIX_PATH="$qt" \
        -DCMAKE_FIND_ROOT_PATH="$qt" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DKELVORA_WERROR="$werror"
    cmake --build build-windows -j "$(nproc)"
    ctest --test-dir build-windows --output-on-failure
    ls -l build-windows/kelvora-*-win64.zip build-windows/kelvora-*-setup.exe
    exit 0
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVORA_WERROR="$werror"
if [ "$mode" = test ]; then
    cmake --build build -j "$(nproc)"
    ctest --test-dir build --output-on-failure
    # The same tests again under AddressSanitizer (leaks included) and UBSan
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKELVORA_SANITIZE=ON \
        -DKELVORA_WERROR="$werror"
    cmake --build build-asan -j "$(nproc)"
    # (the format and the package do not change with it).
    ctest --test-dir build-asan --output-on-failure -E "^(format|package)$"
    # A minute of fuzzing the field conversions (bash fuzz/run SECONDS for more).
    bash fuzz/run 60
    exit 0
fi
if [ "$mode" = check ]; then
    # Offscreen, no test shares a display or a file with another, so they run
    # side by side.
    cmake --build build -j "$(nproc)"
    ctest --test-dir build --output-on-failure -L 'unit|offscreen' -j "$(nproc)"
    exit 0
fi

cmake --build build -j "$(nproc)" --target kelvora

# A desktop session provides this; a bare root shell does not, and Qt would
# complain on every start before falling back to the same kind of folder.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
    mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
fi
exec build/kelvora
