#!/usr/bin/env bash
# Builds the .debs with cpack, unpacks them and checks their files and fields.
# Usage: check_deb.sh <cpack> <build dir> <scratch dir> <version>
set -uo pipefail
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

cpack=$1 build=$2 out=$3 version=$4
need_tool dpkg-deb dpkg
rm -rf "$out"
mkdir -p "$out"
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" \
    >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log" >&2
  fail "cpack -G DEB failed"
  finish
fi

arch=$(dpkg --print-architecture)
built=$(cd "$out" && ls -- *.deb 2>/dev/null | sort)
wanted=$(printf '%s\n' "libquillet-lunar-dev_${version}_$arch.deb" \
  "quillet_${version}_$arch.deb" |
  if [ -n "${QUILLET_PYTHON_MODULE:-}" ]; then
    cat - <(echo "python3-quillet-lunar_${version}_$arch.deb")
  else
    cat
  fi |
  if [ -n "${QUILLET_PLASMA_PLUGIN_FILE:-}" ]; then
    cat - <(echo "plasma-calendar-quillet_${version}_$arch.deb")
  else
    cat
  fi | sort)
if [ "$built" != "$wanted" ]; then
  fail "expected the packages" $wanted "in $out, found:" $built
  finish
fi

# check_package <package> <section>: the fields every package has, then its
# files.
check_package() {
  local package=$1 section=$2
  local deb=$out/${package}_${version}_$arch.deb
  echo "Checking $deb"
  field() { dpkg-deb -f "$deb" "$1"; }
  [ "$(field Package)" = "$package" ] || fail "$package: Package is '$(field Package)'"
  [ "$(field Source)" = quillet ] || fail "$package: Source is '$(field Source)'"
  [ "$(field Version)" = "$version" ] ||
    fail "$package: Version is '$(field Version)', expected '$version'"
  [ "$(field Architecture)" = "$arch" ] ||
    fail "$package: Architecture is '$(field Architecture)', expected '$arch'"
  [ "$(field Section)" = "$section" ] ||
    fail "$package: Section is '$(field Section)', expected '$section'"
  [ -n "$(field Maintainer)" ] || fail "$package: no Maintainer"
  # A summary line, then a long description that does not repeat it.
  local summary long
  summary=$(field Description | sed -n 1p)
  long=$(field Description | sed -n '2,$p')
  [ -n "$summary" ] || fail "$package: no Description summary"
  [ -n "$long" ] || fail "$package: no long Description"
  [ "$(sed -n 1p <<<"$long" | sed 's/^ *//')" != "$summary" ] ||
    fail "$package: the long Description repeats the summary"

  # dpkg-shlibdeps adds the libraries; a name given by hand too shows up
  # twice. A name may come twice only as the two ends of a version range
  # (python3 (>= 3.11~), python3 (<< 3.12)).
  local twice
  twice=$(field Depends | tr ',' '\n' | sed 's/^ *//' |
    awk '{ n[$1]++; if ($2 ~ /^\(>/) lo[$1]++; else if ($2 ~ /^\(<</) hi[$1]++ }
         END { for (p in n) if (n[p] > 1 && !(n[p] == 2 && lo[p] == 1 && hi[p] == 1)) print p }')
  [ -z "$twice" ] || fail "$package: Depends names these more than once:" $twice

  dpkg-deb -x "$deb" "$out/$package" || fail "dpkg-deb -x $deb failed"
  check_installed_tree "$out/$package" "$package"
}

# depends_on <package> <dependency>...: Depends names each dependency.
depends_on() {
  local deb=$out/${1}_${version}_$arch.deb pkg depends
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "$1: Depends: $depends"
  shift
  for pkg in "$@"; do
    # A package name stands alone, or is followed by a version or a comma.
    grep -Eq "(^|, )$(printf '%s' "$pkg" | sed 's/[+.]/\\&/g')( \(|,|$)" \
      <<<"$depends" || fail "Depends does not name $pkg"
  done
}

check_package quillet utils
depends_on quillet libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins \
  fonts-arphic-uming fonts-liberation2 libc6 libstdc++6
check_package libquillet-lunar-dev libdevel
# Its only program is the command line: dpkg-shlibdeps names what it links.
if [ "$QUILLET_LUNAR_TOOL" = 1 ]; then
  depends_on libquillet-lunar-dev libc6
fi
# The module: the interpreter it was built for, and what it links.
if [ -n "${QUILLET_PYTHON_MODULE:-}" ]; then
  check_package python3-quillet-lunar python
  depends_on python3-quillet-lunar python3 libc6 libstdc++6
fi
# The Plasma clock's plug-in: Qt 5 and KF5's CalendarEvents, from what it
# links, and nothing of Quillet's.
if [ -n "${QUILLET_PLASMA_PLUGIN_FILE:-}" ]; then
  check_package plasma-calendar-quillet kde
  depends_on plasma-calendar-quillet libqt5core5a libkf5calendarevents5 \
    libc6 libstdc++6
  if dpkg-deb -f "$out/plasma-calendar-quillet_${version}_$arch.deb" Depends |
    grep -q quillet; then
    fail "plasma-calendar-quillet depends on another Quillet package"
  fi
fi
finish
