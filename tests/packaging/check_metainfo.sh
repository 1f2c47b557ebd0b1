#!/usr/bin/env bash
# Validates the AppStream metainfo file offline. Skipped (exit 77) where
# appstreamcli is not installed: it is not among the build's dependencies.
# Usage: check_metainfo.sh <metainfo.xml>
set -uo pipefail
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

if ! command -v appstreamcli >/dev/null 2>&1; then
  echo "SKIP: appstreamcli is not installed (package appstream)."
  exit 77
fi
appstreamcli validate --no-net --strict --explain "$1" || fail "appstreamcli validate"
grep -q '<launchable type="desktop-id">quillet.desktop</launchable>' "$1" ||
  fail "$1 does not launch quillet.desktop"
grep -q '@[A-Z_]*@' "$1" && fail "$1 has an unreplaced @VARIABLE@"
finish
