#!/usr/bin/env bash
# Validates Quillet's desktop entry and the keys the installed files rely on.
# Usage: check_desktop_entry.sh <quillet.desktop>
set -uo pipefail
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

desktop=$1
need_tool desktop-file-validate desktop-file-utils

# desktop-file-validate exits 0 on hints; any line it prints is a problem.
if ! report=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$report" ]; then
  fail "desktop-file-validate: ${report:-exit status non-zero}"
fi

key() { # The value of <key> in the [Desktop Entry] group.
  awk -F= -v k="$1" '
    /^\[/ { group = $0; next }
    group == "[Desktop Entry]" && $1 == k { sub(/^[^=]*=/, ""); print; exit }
  ' "$desktop"
}

while read -r name want; do
  got=$(key "$name")
  [ "$got" = "$want" ] || fail "$name is '$got', expected '$want'"
done <<'ROWS'
Type Application
Name Quillet
Exec quillet
Icon quillet
Terminal false
ROWS

for name in 'Name[zh_CN]' GenericName 'GenericName[zh_CN]' Comment; do
  [ -n "$(key "$name")" ] || fail "$name is missing or empty"
done
case ";$(key Categories)" in
  *";Calendar;"*) ;;
  *) fail "Categories '$(key Categories)' do not include Calendar" ;;
esac
finish
