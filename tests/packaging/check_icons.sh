#!/usr/bin/env bash
# Re-renders the icons from quillet.svg into a scratch folder and compares
# them with the committed PNGs, so that the PNGs cannot drift from the
# drawing.
# Usage: check_icons.sh <icons folder> <scratch dir> <compare_png program>
set -uo pipefail
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

icons=$1 out=$2 compare=$3
need_tool rsvg-convert librsvg2-bin

rm -rf "$out"
bash "$icons/render-icons.sh" "$out" || fail "render-icons.sh failed"
# Another librsvg may shade an edge pixel a little differently: allow a
# 10% difference in colour, on at most 3 pixels.
for size in 16 32 48; do
  png=quillet-$size.png
  [ "$(png_size "$icons/$png")" = "${size}x${size}" ] ||
    fail "$png is $(png_size "$icons/$png"), not ${size}x${size}"
  if ! differing=$("$compare" "$out/$png" "$icons/$png" 10 3); then
    fail "$png differs from a fresh rendering of quillet.svg ($differing" \
      "pixels); run packaging/icons/render-icons.sh and commit the PNGs"
  fi
done
finish
