#!/usr/bin/env bash
# Sets a Debian 12 machine up for Kelvora (only what is missing), builds it,
# then starts the program (run) or runs every test through CTest (test).
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
case "$mode" in
run | test) ;;
*)
    echo "usage: bash tools/dev.sh [run|test]" >&2
    exit 2
    ;;
esac

# The window tests, configured with the program, talk to the X server through xcb.
packages=(cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev libxcb1-dev
    fonts-liberation2 fontconfig)
# The tests also check that the sources keep their committed format, build and
# validate the Debian package, and run the fuzzer, which needs clang with its
# runtime; the benchmarks need Google's.
[ "$mode" = test ] && packages+=(clang-format dpkg-dev file desktop-file-utils appstream
    clang libclang-rt-14-dev libbenchmark-dev)
# The window tests run again on a desktop of their own (an X server with a
# window manager and a private session bus), and the screen-reader test talks
# to the program over that bus and its own accessibility bus through AT-SPI.
[ "$mode" = test ] && packages+=(xvfb openbox x11-utils dbus-daemon dbus-bin
    at-spi2-core python3-pyatspi)
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

cmake --build build -j "$(nproc)" --target kelvora

# A desktop session provides this; a bare root shell does not, and Qt would
# complain on every start before falling back to the same kind of folder.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
    mkdir -p -m 0700 "$XDG_RUNTIME_DIR"
fi
exec build/kelvora
