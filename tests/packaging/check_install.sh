#!/usr/bin/env bash
# Installs the build tree into a scratch DESTDIR and checks what lands there:
# the files of the packages named (both when none is).
# Usage: check_install.sh <cmake> <build dir> <scratch dir> [package...]
set -uo pipefail
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

cmake=$1 build=$2 root=$3
shift 3
rm -rf "$root"
if ! DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$root.log" 2>&1; then
  cat "$root.log" >&2
  fail "cmake --install failed"
  finish
fi
check_installed_tree "$root" "$@"
finish
