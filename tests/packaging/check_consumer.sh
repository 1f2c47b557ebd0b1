#!/usr/bin/env bash
# Installs the lunar library into a scratch root, then builds and runs the
# small program in consumer/ against it twice: through find_package and
# through pkg-config. Its line must be the one below; README shows the
# program as the example for library users.
# Usage: check_consumer.sh <cmake> <build dir> <scratch dir> <generator>
#          <c++ compiler> <version> [link flags the build's objects need]
# For a cross-build, the environment gives the consumer's CMake toolchain
# file (QUILLET_CONSUMER_TOOLCHAIN), what runs its program
# (QUILLET_CONSUMER_EMULATOR) and its programs' file suffix
# (QUILLET_CONSUMER_SUFFIX, .exe for Windows).
set -uo pipefail
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

cmake=$1 build=$2 out=$3 generator=$4 cxx=$5 version=$6 link_flags=${7:-}
src=$(cd "$(dirname "$0")/consumer" && pwd)
readme=$(dirname "$0")/../../README.md
# 1 April 2023 was day 11 of the leap second month of the year of the rabbit
# (闰二月 began on 22 March 2023).
expected='2023-04-01: lunar year 2023, leap month 2, day 11, 兔, 闰二月十一, 己丑日'
need_tool pkg-config pkg-config

rm -rf "$out"
mkdir -p "$out"
if ! DESTDIR=$out/root "$cmake" --install "$build" --prefix /usr \
    --component lunar_dev >"$out/install.log" 2>&1; then
  cat "$out/install.log" >&2
  fail "cmake --install --component lunar_dev failed"
  finish
fi
prefix=$out/root/usr
toolchain=${QUILLET_CONSUMER_TOOLCHAIN:-}
emulator=${QUILLET_CONSUMER_EMULATOR:-}
suffix=${QUILLET_CONSUMER_SUFFIX:-}
cross=()
if [ -n "$toolchain" ]; then
  # The toolchain confines CMake packages to the target's root; this one is
  # in the scratch root.
  cross=(-DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=BOTH)
fi

# check_run <how> <program>: the program prints the expected line.
check_run() {
  local got
  got=$($emulator "$2$suffix" 2>&1) || fail "$1: the consumer failed: $got"
  got=${got%$'\r'}  # a Windows program ends its line with CRLF
  [ "$got" = "$expected" ] || fail "$1: the consumer printed '$got', expected '$expected'"
}

# find_package(QuilletLunar) through CMAKE_PREFIX_PATH.
if "$cmake" -S "$src" -B "$out/cmake" -G "$generator" \
     -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_PREFIX_PATH="$prefix" "${cross[@]}" \
     -DCMAKE_EXE_LINKER_FLAGS="$link_flags" >"$out/cmake.log" 2>&1 &&
   "$cmake" --build "$out/cmake" >>"$out/cmake.log" 2>&1; then
  found=$(sed -n 's/^QuilletLunar_DIR:PATH=//p' "$out/cmake/CMakeCache.txt")
  case $found in
    "$prefix"/*) ;;
    *) fail "find_package found QuilletLunar in '$found', not under $prefix" ;;
  esac
  check_run find_package "$out/cmake/lunar_consumer"
else
  cat "$out/cmake.log" >&2
  fail "the consumer does not configure or build with find_package(QuilletLunar)"
fi

# pkg-config, from the installed quillet-lunar.pc alone.
export PKG_CONFIG_PATH=$prefix/${QUILLET_LIBDIR:?}/pkgconfig PKG_CONFIG_LIBDIR=/nonexistent
if ! pc_version=$(pkg-config --modversion quillet-lunar 2>&1); then
  fail "pkg-config does not find quillet-lunar: $pc_version"
  finish
fi
[ "$pc_version" = "$version" ] || fail "quillet-lunar.pc has version '$pc_version', not '$version'"
includedir=$(pkg-config --variable=includedir quillet-lunar)
[ "$(cd "$includedir" 2>/dev/null && pwd -P)" = "$(cd "$prefix/include" && pwd -P)" ] ||
  fail "quillet-lunar.pc's includedir '$includedir' is not $prefix/include"
# Every installed header stands on its own in the installed tree: its own
# includes name its neighbours as they lie there.
for header in "$prefix"/include/quillet/lunar/*.h; do
  name=quillet/lunar/$(basename "$header")
  printf '#include <%s>\n' "$name" |
    "$cxx" -std=c++20 $(pkg-config --cflags quillet-lunar) -fsyntax-only \
      -x c++ - 2>"$out/header.log" ||
    fail "<$name> does not compile on its own: $(head -3 "$out/header.log")"
done
mkdir -p "$out/pkg-config"
# shellcheck disable=SC2046,SC2086
if "$cxx" -std=c++20 $(pkg-config --cflags quillet-lunar) "$src/main.cpp" \
     -o "$out/pkg-config/lunar_consumer" $(pkg-config --libs quillet-lunar) \
     $link_flags 2>"$out/pkg-config.log"; then
  check_run pkg-config "$out/pkg-config/lunar_consumer"
else
  cat "$out/pkg-config.log" >&2
  fail "the consumer does not build with pkg-config's flags"
fi

# README's example is this program, line for line.
for file in "$src/main.cpp" "$src/CMakeLists.txt"; do
  while IFS= read -r line; do
    [ -z "$line" ] && continue
    grep -qxF "    $line" "$readme" ||
      { fail "README.md's example lacks this line of $(basename "$file"): $line"; break; }
  done <"$file"
done
finish
