#!/usr/bin/env bash
# Builds the Plasma clock's plug-in for Plasma 6 (-DQUILLET_PLASMA=6: Qt 6,
# KF6) and runs its test, in a Debian 13 root made by debootstrap, which
# has Qt 6.8 and libkf6declarative-dev. The root is made once and kept
# (build/plasma6-root, or $QUILLET_PLASMA6_ROOT) for later runs. Needs root
# (debootstrap, chroot and a mount of /proc), and Debian's archive. Not part
# of `make test`.
#
# Usage: scripts/check-plasma6.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
root=${QUILLET_PLASMA6_ROOT:-$source_dir/build/plasma6-root}
mirror=${QUILLET_DEBIAN_MIRROR:-http://deb.debian.org/debian}
# KF6 Declarative's CMake package asks for KF6 Config, which its Debian
# package does not bring; the test tree's configuration asks for libical and
# Python 3 (the command line's tests).
packages=cmake,ninja-build,g++,pkg-config,libgtest-dev,libutf8proc-dev,qt6-base-dev,libkf6declarative-dev,libkf6coreaddons-dev,libkf6config-dev,libical-dev,python3

if [ "$(id -u)" -ne 0 ]; then
  echo "check-plasma6.sh needs root (debootstrap and chroot)." >&2
  exit 1
fi
if ! command -v debootstrap >/dev/null 2>&1; then
  echo "Installing debootstrap"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    debootstrap >/dev/null
fi

# The root, made once: a marker file says that debootstrap finished.
if [ ! -f "$root/.quillet-root-ready" ]; then
  echo "Making a Debian 13 root in $root (once; later runs reuse it)"
  rm -rf "$root"
  mkdir -p "$root"
  debootstrap --variant=minbase --include="$packages" trixie "$root" "$mirror" \
    >"$root.log" 2>&1 || {
    tail -20 "$root.log" >&2
    echo "debootstrap failed; its log is $root.log" >&2
    exit 1
  }
  touch "$root/.quillet-root-ready"
fi

# Packages this script has come to need since the root was made.
missing=()
for package in ${packages//,/ }; do
  chroot "$root" dpkg-query -W -f='${Status}' "$package" 2>/dev/null |
    grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing into the root: ${missing[*]}"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    --no-install-recommends "${missing[@]}" >"$root.apt.log" 2>&1 || {
    tail -20 "$root.apt.log" >&2
    exit 1
  }
fi

# This checkout's files as git has them (committed or not, untracked ones
# too, never build folders), into the root.
rm -rf "$root/src"
mkdir -p "$root/src"
git ls-files -z --cached --others --exclude-standard |
  (cd "$source_dir" && xargs -0 cp --parents -t "$root/src" 2>/dev/null || true)

mounted=0
cleanup() {
  if [ "$mounted" = 1 ]; then umount "$root/proc" || true; fi
}
trap cleanup EXIT
mount -t proc proc "$root/proc"
mounted=1

chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 \
  bash -euo pipefail -c '
    echo "In $(. /etc/os-release; echo "$PRETTY_NAME"), Qt $(
      dpkg-query -W -f="\${Version}" qt6-base-dev), KF6 Declarative $(
      dpkg-query -W -f="\${Version}" libkf6declarative-dev)"
    cmake -S /src -B /src/build -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DQUILLET_PLASMA=6 -DQUILLET_BUILD_APP=OFF -DQUILLET_BUILD_PYTHON=OFF \
      -DQUILLET_BUILD_BENCH=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/src/configure.log ||
      { cat /src/configure.log; exit 1; }
    cmake --build /src/build --target plasma_calendar_test -j2
    cd /src/build && QT_QPA_PLATFORM=offscreen ./tests/plasma/plasma_calendar_test
  '
