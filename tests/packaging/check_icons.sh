#!/usr/bin/env bash
# Re-renders the icons from quillet.svg into a scratch folder and compares
# them with the committed PNGs, so that the PNGs cannot drift from the
# drawing. Skipped (exit 77) without rsvg-convert or ImageMagick's compare,
# which only this check and icon work need.
# Usage: check_icons.sh <icons folder> <scratch dir>
set -uo pipefail
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

icons=$1 out=$2
for tool in rsvg-convert compare; do
  if ! command -v $tool >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (packages librsvg2-bin, imagemagick)."
    exit 77
  fi
done

rm -rf "$out"
bash "$icons/render-icons.sh" "$out" || fail "render-icons.sh failed"
# Another librsvg may shade an edge pixel a little differently: allow a
# 10% difference in colour, on at most 3 pixels.
for size in 16 32 48; do
  png=quillet-$size.png
  [ "$(png_size "$icons/$png")" = "${size}x${size}" ] ||
    fail "$png is $(png_size "$icons/$png"), not ${size}x${size}"
  differing=$(compare -metric AE -fuzz 10% "$out/$png" "$icons/$png" null: 2>&1)
  if ! [[ $differing =~ ^[0-9]+$ ]] || [ "$differing" -gt 3 ]; then
    fail "$png differs from a fresh rendering of quillet.svg ($differing" \
      "pixels); run packaging/icons/render-icons.sh and commit the PNGs"
  fi
done
finish
