#!/usr/bin/env bash
# Builds the .deb with cpack, unpacks it and checks its files and fields.
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

debs=("$out"/quillet_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  fail "expected one quillet_*.deb in $out, found: $(ls "$out")"
  finish
fi
deb=${debs[0]}
echo "Built $deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quillet ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] ||
  fail "Version is '$(field Version)', expected '$version'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Section)" ] || fail "no Section"
# A summary line, then a long description that does not repeat it.
summary=$(field Description | sed -n 1p)
long=$(field Description | sed -n '2,$p')
[ -n "$summary" ] || fail "no Description summary"
[ -n "$long" ] || fail "no long Description"
[ "$(sed -n 1p <<<"$long" | sed 's/^ *//')" != "$summary" ] ||
  fail "the long Description repeats the summary"

depends=$(field Depends)
echo "Depends: $depends"
for pkg in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins \
           fonts-arphic-uming fonts-liberation2 libc6 libstdc++6; do
  # A package name stands alone, or is followed by a version or a comma.
  grep -Eq "(^|, )$(printf '%s' "$pkg" | sed 's/[+.]/\\&/g')( \(|,|$)" \
    <<<"$depends" || fail "Depends does not name $pkg"
done
# dpkg-shlibdeps adds the libraries; a name given by hand too shows up twice.
twice=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | sort | uniq -d)
[ -z "$twice" ] || fail "Depends names these more than once:" "${twice//$'\n'/ }"

dpkg-deb -x "$deb" "$out/root" || fail "dpkg-deb -x failed"
check_installed_tree "$out/root"
finish
