# Paths shared by the set-up, build and run scripts. Sourced, not run.
PANDOR7_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PANDOR7_BUILD=${PANDOR7_BUILD:-$PANDOR7_ROOT/build}
PANDOR7_CACHE=${PANDOR7_CACHE:-/var/cache/pandor7}

# The Windows side builds for two architectures: i686, the program that ships
# (build/win32), and x86_64 (build/win64), which runs under wine64 on
# machines that can't run 32-bit programs. Each has its MinGW target, its
# toolchain file and its own libjpeg, built so that the program's linker can
# leave out what it doesn't call (setup.sh, libjpeg_flags).
PANDOR7_WINDOWS_ARCHS="i686 x86_64"

windows_build_name() {
  case $1 in
    i686) echo win32 ;;
    x86_64) echo win64 ;;
    *) echo "unknown Windows architecture: $1" >&2; return 1 ;;
  esac
}

mingw_target() { echo "$1-w64-mingw32"; }

jpeg_prefix() { echo "$PANDOR7_CACHE/libjpeg-turbo-$(mingw_target "$1")-sections"; }

configure_build() {
  # configure_build NAME [cmake options...]
  local name=$1
  shift
  cmake -S "$PANDOR7_ROOT" -B "$PANDOR7_BUILD/$name" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

configure_and_build() {
  # configure_and_build NAME [cmake options...]
  configure_build "$@"
  cmake --build "$PANDOR7_BUILD/$1" -j"$(nproc)"
}

# build_windows [ARCH [TARGET...]]: the Windows programs and their tests for
# one architecture, i686 (the shipped one) unless another is named; with
# targets, only those.
build_windows() {
  local arch=${1:-i686} name
  [ $# -gt 0 ] && shift
  name=$(windows_build_name "$arch")
  configure_build "$name" \
    -DCMAKE_TOOLCHAIN_FILE="$PANDOR7_ROOT/cmake/mingw-$arch.cmake" \
    -DPANDOR7_JPEG_PREFIX="$(jpeg_prefix "$arch")"
  if [ $# -gt 0 ]; then
    cmake --build "$PANDOR7_BUILD/$name" -j"$(nproc)" --target "$@"
  else
    cmake --build "$PANDOR7_BUILD/$name" -j"$(nproc)"
  fi
}

# Whether this machine runs 32-bit x86 programs: Wine's 32-bit loader is one,
# and a kernel may have its 32-bit emulation switched off at boot. Tried with
# a program of a few bytes (an i386 ELF that only exits with 0), not guessed
# from the kernel: the answer is whether it ran.
runs_32bit_programs() {
  local probe status=0
  probe=$(mktemp)
  python3 - "$probe" <<'PY'
import struct, sys
code = bytes([0xB8, 1, 0, 0, 0, 0xBB, 0, 0, 0, 0, 0xCD, 0x80])  # exit(0) by int 0x80
base, header, segment = 0x08048000, 52, 32
entry = base + header + segment
size = header + segment + len(code)
elf = b"\x7fELF\x01\x01\x01" + bytes(9)
elf += struct.pack("<HHIIIIIHHHHHH", 2, 3, 1, entry, header, 0, 0, header, segment, 1, 0, 0, 0)
elf += struct.pack("<IIIIIIII", 1, 0, base, base, size, size, 5, 0x1000)
open(sys.argv[1], "wb").write(elf + code)
PY
  chmod +x "$probe"
  "$probe" 2>/dev/null || status=1
  rm -f "$probe"
  return $status
}

# The architectures whose Windows tests run here: PANDOR7_ARCHS when set
# ("i686 x86_64", "x86_64", ...), else both where 32-bit programs run and
# x86_64 alone where they don't.
test_archs() {
  if [ -n "${PANDOR7_ARCHS:-}" ]; then
    echo "$PANDOR7_ARCHS"
  elif runs_32bit_programs; then
    echo "$PANDOR7_WINDOWS_ARCHS"
  else
    echo x86_64
  fi
}

# The architecture whose programs are run here for a person or a benchmark:
# the shipped i686 one where this machine runs it, else x86_64 (or the first
# of PANDOR7_ARCHS).
run_arch() {
  local archs
  archs=$(test_archs)
  echo "${archs%% *}"
}

# The architecture a Windows build folder was made for, from the kind of
# Wine prefix it asks for.
build_arch() {
  case $(cat "$1/wine-arch" 2>/dev/null) in
    win64) echo x86_64 ;;
    *) echo i686 ;;
  esac
}

# One line for a benchmark's or a screenshot's output: which build it ran.
describe_build() {
  local build=$1
  echo "build: $(basename "$build") ($(build_arch "$build"), Wine prefix $(cat "$build/wine-arch" 2>/dev/null || echo win32))"
}
