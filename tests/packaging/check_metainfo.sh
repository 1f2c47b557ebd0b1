#!/usr/bin/env bash
# Validates the AppStream metainfo file offline, pedantically: any issue
# appstreamcli reports fails. The set-up installs appstreamcli.
# Usage: check_metainfo.sh <metainfo.xml> <version> <release date>
set -uo pipefail
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

xml=$1 version=$2 date=$3
need_tool appstreamcli appstream
# It exits 0 on pedantic and informational issues: each is a line "X: ...".
report=$(appstreamcli validate --no-net --pedantic "$xml" 2>&1)
status=$?
if [ $status -ne 0 ] || grep -q '^[A-Z]: ' <<<"$report"; then
  appstreamcli validate --no-net --pedantic --explain "$xml" >&2
  fail "appstreamcli validate --pedantic reports issues"
fi
grep -q '<launchable type="desktop-id">quillet.desktop</launchable>' "$xml" ||
  fail "$xml does not launch quillet.desktop"
grep -q "<release version=\"$version\" date=\"$date\"" "$xml" ||
  fail "$xml has no release $version of $date"
grep -q '@[A-Z_]*@' "$xml" && fail "$xml has an unreplaced @VARIABLE@"
finish
