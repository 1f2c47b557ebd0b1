#!/usr/bin/env bash
# Renders the PNG icons from quillet.svg. Run it by hand after changing the
# drawing and commit the PNGs; the build only installs them, and the test
# packaging.icons_match_drawing reruns this into a scratch folder to check
# that they still match.
#
# The drawing sits on a 16-unit grid, so every size here lands on whole
# pixels. At 16 px the strokes of 历 are one pixel wide and anti-aliasing
# turns its two sweeps into pink smudges, so that size is rendered with
# anti-aliasing off for the character alone (crispEdges); 32 and 48 px keep
# the smooth sweeps.
#
# Usage: render-icons.sh [output folder, by default this one]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here}

if ! command -v rsvg-convert >/dev/null 2>&1; then
  echo "render-icons.sh: needs rsvg-convert (package librsvg2-bin)" >&2
  exit 1
fi

crisp=$(mktemp --suffix=.svg)
trap 'rm -f "$crisp"' EXIT
sed 's/<g id="character" /&shape-rendering="crispEdges" /' \
  "$here/quillet.svg" >"$crisp"
if ! grep -q 'crispEdges' "$crisp"; then
  echo "render-icons.sh: quillet.svg has no <g id=\"character\" ...>" >&2
  exit 1
fi

mkdir -p "$out"
rsvg-convert --width 16 --height 16 --output "$out/quillet-16.png" "$crisp"
for size in 32 48; do
  rsvg-convert --width $size --height $size \
    --output "$out/quillet-$size.png" "$here/quillet.svg"
done
echo "Rendered quillet-16.png, quillet-32.png and quillet-48.png in $out."
