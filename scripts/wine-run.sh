#!/usr/bin/env bash
# Runs a Windows program under Wine, quietly: wine's own diagnostics off, in a
# Wine prefix of its own (build/wine unless WINEPREFIX says otherwise), with a
# UTF-8 locale for the arguments.
# Usage: wine-run.sh program.exe [argument...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wine}
export WINEDEBUG=-all
export LC_ALL=C.UTF-8
# No Wine window (a crash dialog, a prompt to install Mono) ever opens.
export DISPLAY=
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# The Wine server outlives the program; started here, away from the program's
# output, it holds no pipe of the caller's open (ctest would wait for it) and
# stays a minute for the next program.
wineserver -p60 </dev/null >/dev/null 2>&1 || true
exec wine "$@"
