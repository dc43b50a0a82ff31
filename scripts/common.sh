# Paths shared by the set-up, build and run scripts. Sourced, not run.
PANDOR7_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PANDOR7_BUILD=${PANDOR7_BUILD:-$PANDOR7_ROOT/build}
PANDOR7_CACHE=${PANDOR7_CACHE:-/var/cache/pandor7}
# Built so that the program's linker can leave out what it doesn't call
# (setup.sh, libjpeg_flags).
PANDOR7_JPEG_PREFIX=$PANDOR7_CACHE/libjpeg-turbo-i686-w64-mingw32-sections

configure_and_build() {
  # configure_and_build NAME [cmake options...]
  local name=$1
  shift
  cmake -S "$PANDOR7_ROOT" -B "$PANDOR7_BUILD/$name" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$PANDOR7_BUILD/$name" -j"$(nproc)"
}

build_windows() {
  configure_and_build win32 \
    -DCMAKE_TOOLCHAIN_FILE="$PANDOR7_ROOT/cmake/mingw-i686.cmake" \
    -DPANDOR7_JPEG_PREFIX="$PANDOR7_JPEG_PREFIX"
}
