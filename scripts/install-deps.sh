#!/usr/bin/env bash
# Installs what Quillet needs to build, test and run, if it is missing.
# Debian and Ubuntu: apt-get (through sudo when not root). Elsewhere: says what
# to install and stops.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  libutf8proc-dev python3
  fonts-arphic-uming fonts-liberation2
  desktop-file-utils dpkg-dev file appstream librsvg2-bin
  lintian man-db groff-base
  # quillet-lunar ics is read back by two iCalendar parsers and a client.
  libical-dev python3-icalendar khal
  # The Python module quillet_lunar: built with pybind11, tested with pytest
  # and its type stub with mypy.
  pybind11-dev python3-dev python3-pytest mypy
  # The Plasma clock's calendar plug-in (QUILLET_PLASMA=5): KF5's
  # CalendarEvents, with Qt 5 behind it.
  libkf5declarative-dev
)
# `make fuzz` needs clang with its libFuzzer runtime.
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-dev)
fi
# `make coverage` needs gcovr.
if [ "${1:-}" = "--coverage" ]; then
  packages+=(gcovr)
fi
# `make test-clang` builds with clang.
if [ "${1:-}" = "--clang" ]; then
  packages+=(clang)
fi
# `make test-windows` cross-builds with MinGW-w64, builds GoogleTest from
# Debian's sources for it and runs the tests under Wine (64-bit only).
if [ "${1:-}" = "--windows" ]; then
  packages+=(g++-mingw-w64-x86-64-posix googletest wine wine64)
fi
# `make bench` times the Plasma clock's plug-in beside Plasma's own
# alternate calendar, which plasma-calendar-addons brings.
if [ "${1:-}" = "--bench" ]; then
  packages+=(plasma-calendar-addons)
fi
# scripts/plasma-picture.sh starts a real Plasma shell on a virtual display
# and takes a picture of it.
if [ "${1:-}" = "--plasma" ]; then
  packages+=(plasma-workspace plasma-desktop xvfb x11-utils xdotool imagemagick)
fi
# `make mutants` reads its list of faults with python3.
if [ "${1:-}" = "--mutants" ]; then
  packages+=(python3)
fi

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
  if command -v cmake >/dev/null && command -v qmake6 >/dev/null; then
    exit 0
  fi
  echo "Quillet's set-up knows Debian and Ubuntu only. Please install:" >&2
  echo "  CMake 3.25+, Ninja, a C++20 compiler, Qt 6 Widgets (development files)," >&2
  echo "  GoogleTest, Google Benchmark, and the fonts AR PL UMing and Liberation Sans." >&2
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "Missing packages: ${missing[*]}; run as root or install sudo." >&2
    exit 1
  fi
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
