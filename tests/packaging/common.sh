# shellcheck shell=bash
# Helpers shared by the packaging checks; sourced, not run.

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed." >&2
    exit 1
  fi
  echo "All checks passed."
}

need_tool() { # need_tool <command> <package>
  if ! command -v "$1" >/dev/null 2>&1; then
    echo "FAIL: '$1' is missing; install $2 (scripts/install-deps.sh does)." >&2
    exit 1
  fi
}

# The width and height stored in a PNG's header, as "WxH".
png_size() {
  local sig
  sig=$(od -An -c -j1 -N3 "$1" | tr -d ' ')
  [ "$sig" = "PNG" ] || { echo "not-a-png"; return; }
  od -An -tu1 -j16 -N8 "$1" | awk '{
    printf "%dx%d", (($1 * 256 + $2) * 256 + $3) * 256 + $4,
                    (($5 * 256 + $6) * 256 + $7) * 256 + $8 }'
}

# Checks the files that an installation puts under <root>/usr, and that it
# puts nothing else there.
check_installed_tree() {
  local usr=$1/usr
  local expected=(
    bin/quillet
    share/applications/quillet.desktop
    share/icons/hicolor/16x16/apps/quillet.png
    share/icons/hicolor/32x32/apps/quillet.png
    share/icons/hicolor/48x48/apps/quillet.png
    share/icons/hicolor/scalable/apps/quillet.svg
    share/metainfo/org.example.quillet.metainfo.xml
  )
  local actual
  actual=$(cd "$usr" 2>/dev/null && find . -type f -o -type l | sed 's|^\./||' | sort)
  local wanted
  wanted=$(printf '%s\n' "${expected[@]}" | sort)
  if [ "$actual" != "$wanted" ]; then
    fail "files under $usr differ from the expected list:"
    diff <(echo "$wanted") <(echo "$actual") | sed 's/^/  /' >&2
  fi

  local bin=$usr/bin/quillet
  if [ -f "$bin" ]; then
    [ -x "$bin" ] || fail "$bin is not executable"
    [ "$(head -c4 "$bin" | od -An -c | tr -d ' ')" = '177ELF' ] ||
      fail "$bin is not an ELF program"
  fi

  local size png
  for size in 16 32 48; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/quillet.png
    [ -f "$png" ] || continue
    [ "$(png_size "$png")" = "${size}x${size}" ] ||
      fail "$png is $(png_size "$png"), not ${size}x${size}"
  done

  local svg=$usr/share/icons/hicolor/scalable/apps/quillet.svg
  if [ -f "$svg" ] && ! tr '\n' ' ' <"$svg" | grep -q '<svg[^>]*viewBox='; then
    fail "$svg has no <svg> element with a viewBox"
  fi

  local desktop=$usr/share/applications/quillet.desktop
  if [ -f "$desktop" ]; then
    grep -qx 'Exec=quillet' "$desktop" || fail "$desktop does not run quillet"
    grep -qx 'Icon=quillet' "$desktop" || fail "$desktop does not use the quillet icon"
  fi
}
