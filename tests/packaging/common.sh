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

# The files a package puts under /usr, one a line. What a build installs
# depends on it, and the tests are told in the environment:
#   QUILLET_LIBDIR         the library folder under /usr (lib, lib/<multiarch>)
#   QUILLET_EXPORT_CONFIG  the build type in the name of the CMake package's
#                          target file (release, noconfig, ...)
#   QUILLET_LUNAR_TOOL     1 if the command line quillet-lunar is built
#   QUILLET_PYTHON_MODULE  the file name of the Python extension, where the
#                          module is built
#   QUILLET_PLASMA_PLUGIN_FILE  the Plasma clock's plug-in under /usr, where
#                          it is built
package_files() { # package_files quillet|libquillet-lunar-dev|python3-quillet-lunar|plasma-calendar-quillet
  case $1 in
    quillet)
      printf '%s\n' \
        bin/quillet \
        share/applications/quillet.desktop \
        share/icons/hicolor/16x16/apps/quillet.png \
        share/icons/hicolor/32x32/apps/quillet.png \
        share/icons/hicolor/48x48/apps/quillet.png \
        share/icons/hicolor/scalable/apps/quillet.svg \
        share/metainfo/org.example.quillet.metainfo.xml \
        share/man/man1/quillet.1.gz \
        share/doc/quillet/copyright \
        share/doc/quillet/changelog.gz
      ;;
    libquillet-lunar-dev)
      local lib=${QUILLET_LIBDIR:?} cmake=${QUILLET_LIBDIR}/cmake/QuilletLunar
      printf '%s\n' \
        include/quillet/lunar/almanac.h \
        include/quillet/lunar/cn_calendar.h \
        include/quillet/lunar/date_text.h \
        include/quillet/lunar/lunar_names.h \
        include/quillet/lunar/moon_phases.h \
        include/quillet/lunar/official_days.h \
        include/quillet/lunar/seasons.h \
        "$lib/libquillet-lunar.a" \
        "$lib/pkgconfig/quillet-lunar.pc" \
        "$cmake/QuilletLunarConfig.cmake" \
        "$cmake/QuilletLunarConfigVersion.cmake" \
        "$cmake/QuilletLunarTargets.cmake" \
        "$cmake/QuilletLunarTargets-${QUILLET_EXPORT_CONFIG:?}.cmake" \
        share/doc/libquillet-lunar-dev/copyright \
        share/doc/libquillet-lunar-dev/changelog.gz
      if [ "${QUILLET_LUNAR_TOOL:?}" = 1 ]; then
        printf '%s\n' bin/quillet-lunar share/man/man1/quillet-lunar.1.gz \
          share/bash-completion/completions/quillet-lunar
      fi
      ;;
    python3-quillet-lunar)
      local module=lib/python3/dist-packages/quillet_lunar
      printf '%s\n' \
        "$module/${QUILLET_PYTHON_MODULE:?}" \
        "$module/__init__.py" \
        "$module/__init__.pyi" \
        "$module/py.typed" \
        share/doc/python3-quillet-lunar/copyright \
        share/doc/python3-quillet-lunar/changelog.gz
      ;;
    plasma-calendar-quillet)
      printf '%s\n' \
        "${QUILLET_PLASMA_PLUGIN_FILE:?}" \
        share/doc/plasma-calendar-quillet/copyright \
        share/doc/plasma-calendar-quillet/changelog.gz
      ;;
    *) echo "package_files: no package '$1'" >&2; return 1 ;;
  esac
}

# Whether a file is compressed as Debian wants it: gzip with neither the
# original name nor a time stamp in its header (gzip -9n).
is_gzip_n() {
  local header
  header=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
  # Magic 1f8b, method 08, flags 00 (no name), time stamp 00000000.
  [ "$header" = 1f8b080000000000 ] && gzip -t "$1" 2>/dev/null
}

# Checks the files that an installation of <package>s (all when none is
# named) puts under <root>/usr, and that it puts nothing else there.
check_installed_tree() {
  local root=$1
  shift
  local packages=("$@")
  if [ ${#packages[@]} -eq 0 ]; then
    packages=(quillet libquillet-lunar-dev)
    [ -z "${QUILLET_PYTHON_MODULE:-}" ] || packages+=(python3-quillet-lunar)
    [ -z "${QUILLET_PLASMA_PLUGIN_FILE:-}" ] || packages+=(plasma-calendar-quillet)
  fi
  local usr=$root/usr
  local actual wanted package
  actual=$(cd "$usr" 2>/dev/null && find . -type f -o -type l | sed 's|^\./||' | sort)
  wanted=$(for package in "${packages[@]}"; do package_files "$package"; done | sort)
  if [ "$actual" != "$wanted" ]; then
    fail "files under $usr differ from the expected list:"
    diff <(echo "$wanted") <(echo "$actual") | sed 's/^/  /' >&2
  fi

  local bin
  for bin in "$usr"/bin/*; do
    [ -f "$bin" ] || continue
    [ -x "$bin" ] || fail "$bin is not executable"
    [ "$(head -c4 "$bin" | od -An -c | tr -d ' ')" = '177ELF' ] ||
      fail "$bin is not an ELF program"
  done

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

  # The Python module imports from the tree with Debian's python3 and gives
  # the day its lunar date.
  local site=$usr/lib/python3/dist-packages lunar
  if [ -d "$site/quillet_lunar" ]; then
    lunar=$(PYTHONPATH=$site /usr/bin/python3 -c 'import datetime, quillet_lunar
print(quillet_lunar.to_lunar(datetime.date(2024, 2, 10)))' 2>&1)
    [ "$lunar" = "正月初一" ] ||
      fail "the installed quillet_lunar gives '$lunar' for 2024-02-10, not 正月初一"
  fi

  # The plug-in is a shared object that Qt's loader takes: it exports Qt's
  # plug-in entry points.
  local plugin=$usr/${QUILLET_PLASMA_PLUGIN_FILE:-none}
  if [ -f "$plugin" ]; then
    file -L "$plugin" | grep -q 'ELF.*shared object' ||
      fail "$plugin is not an ELF shared object"
    nm -D --defined-only "$plugin" | grep -q ' qt_plugin_instance$' ||
      fail "$plugin does not export qt_plugin_instance"
  fi

  local gz
  for gz in "$usr"/share/man/man1/*.gz "$usr"/share/doc/*/changelog.gz; do
    [ -f "$gz" ] || continue
    is_gzip_n "$gz" || fail "$gz is not compressed with gzip -9n"
  done

  # Each package's changelog names the version it comes with, and its
  # copyright file is in Debian's machine-readable format with the licence.
  local doc version
  for doc in "$usr"/share/doc/*/; do
    if [ -f "$doc/changelog.gz" ]; then
      version=$(zcat "$doc/changelog.gz" | sed -n '1s/^quillet (\([^)]*\)) .*/\1/p')
      [ "$version" = "${QUILLET_VERSION:?}" ] ||
        fail "${doc}changelog.gz starts with version '$version', not '$QUILLET_VERSION'"
    fi
    if [ -f "$doc/copyright" ]; then
      head -n1 "$doc/copyright" |
        grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "${doc}copyright is not in the machine-readable format"
      grep -qx 'License: MIT' "$doc/copyright" || fail "${doc}copyright does not give the MIT licence"
    fi
  done
}
