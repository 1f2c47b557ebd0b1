#!/usr/bin/env bash
# Validates the AppStream metainfo file offline; the set-up installs
# appstreamcli.
# Usage: check_metainfo.sh <metainfo.xml>
set -uo pipefail
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

need_tool appstreamcli appstream
appstreamcli validate --no-net --strict --explain "$1" || fail "appstreamcli validate"
grep -q '<launchable type="desktop-id">quillet.desktop</launchable>' "$1" ||
  fail "$1 does not launch quillet.desktop"
grep -q '@[A-Z_]*@' "$1" && fail "$1 has an unreplaced @VARIABLE@"
finish
