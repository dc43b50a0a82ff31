#!/usr/bin/env bash
# Installs what building and testing need on Debian 12 and builds libjpeg for
# both Windows targets into a cache outside the source tree. Idempotent: a
# second run installs and builds nothing.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/common.sh
source "$here/common.sh"

packages=(
  cmake make g++ pkg-config
  libgtest-dev googletest libbenchmark-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  nasm dpkg-dev
  wine wine64
  xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core fonts-wine
  python3 libjpeg-turbo-progs
  libjpeg62-turbo-dev clang libclang-rt-14-dev llvm
  xorriso
)

# 32-bit Wine, for the tests of the shipped i686 build. Only where this
# machine runs 32-bit programs: elsewhere it would be of no use, and its
# install may not even go through.
packages_32bit=(wine32:i386)

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# A mirror that is being synchronised can fail an index now and then: try
# again, and go on with what apt has if it still fails (the install then says
# which package it can't find).
update_package_lists() {
  local attempt
  for attempt in 1 2 3; do
    as_root apt-get update -q && return 0
    echo "setup: apt-get update failed (attempt $attempt of 3)"
    sleep $((attempt * 10))
  done
  echo "setup: going on with the package lists apt has"
}

# install_packages PACKAGE...: those of them that are missing.
install_packages() {
  local missing
  missing=$(missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "setup: installing: $(echo $missing | tr '\n' ' ')"
  if [[ "$missing" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  update_package_lists
  # When the security updates' index of one architecture didn't come, the
  # two architectures' candidates of a library differ and apt refuses: then
  # the release's own versions, which both architectures have, are preferred.
  local release
  release=$(. /etc/os-release && echo "$VERSION_CODENAME")
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -q --no-install-recommends $missing ||
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -q --no-install-recommends -t "$release" $missing
}

ensure_source_entries() {
  local list=/etc/apt/sources.list.d/pandor7-deb-src.sources
  if ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    as_root tee "$list" >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    update_package_lists
  fi
}

# build_libjpeg ARCH
build_libjpeg() {
  local arch=$1 prefix
  prefix=$(jpeg_prefix "$arch")
  [ -f "$prefix/lib/libjpeg.a" ] && return 0
  ensure_source_entries
  local work
  work=$(mktemp -d)
  echo "setup: building libjpeg-turbo for $(mingw_target "$arch") into $prefix"
  (cd "$work" && apt-get source -q libjpeg-turbo >/dev/null)
  local src
  src=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
  local simd=ON
  if ! cmake_libjpeg "$src" "$work/build" ON "$arch" "$prefix"; then
    echo "setup: libjpeg with SIMD failed to build, building without"
    simd=OFF
    cmake_libjpeg "$src" "$work/build-nosimd" OFF "$arch" "$prefix"
  fi
  echo "setup: libjpeg-turbo for $arch built (SIMD $simd)"
  rm -rf "$work"
}

# One section per function and no unwind tables (the library's errors come
# back by longjmp, never as exceptions), so that the program's linker can
# leave out what it doesn't call: the encoder and its SIMD code. Unwind
# tables would keep every function they describe. The library's few sscanf
# and snprintf calls go to the system's C runtime instead of bringing
# MinGW's own printf and scanf, with their floating-point code, along.
libjpeg_flags="-ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables -D__USE_MINGW_ANSI_STDIO=0"

cmake_libjpeg() {
  local src=$1 build=$2 simd=$3 arch=$4 prefix=$5
  cmake -S "$src" -B "$build" -G "Unix Makefiles" \
    -DCMAKE_TOOLCHAIN_FILE="$PANDOR7_ROOT/cmake/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_TURBOJPEG=OFF -DWITH_SIMD="$simd" \
    -DCMAKE_C_FLAGS="$libjpeg_flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-static" \
    -DCMAKE_INSTALL_PREFIX="$prefix" >"$build.log" 2>&1 &&
    cmake --build "$build" -j"$(nproc)" >>"$build.log" 2>&1 &&
    cmake --install "$build" >>"$build.log" 2>&1
}

install_packages "${packages[@]}"
if runs_32bit_programs; then
  install_packages "${packages_32bit[@]}" ||
    echo "setup: 32-bit Wine did not install; the tests of the i686 build can't run here"
fi
for arch in $PANDOR7_WINDOWS_ARCHS; do
  build_libjpeg "$arch"
done
