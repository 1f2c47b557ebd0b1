#!/usr/bin/env bash
# Runs Debian's own checks, lintian, on every package in <folder>: any error
# or warning fails; informational tags are shown and pass.
# Usage: check_lintian.sh <folder of .debs>
set -uo pipefail
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

need_tool lintian lintian
debs=("$1"/*.deb)
[ -f "${debs[0]}" ] || { fail "no .deb in $1"; finish; }
for deb in "${debs[@]}"; do
  echo "lintian $(basename "$deb"):"
  lintian --display-info --fail-on error,warning "$deb" 2>&1 |
    grep -v '^running with root privileges' | sed 's/^/  /'
  [ "${PIPESTATUS[0]}" -eq 0 ] || fail "lintian finds errors or warnings in $deb"
done
finish
