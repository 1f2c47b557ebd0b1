#!/usr/bin/env bash
# Starts a real Plasma 5.27 shell on a virtual X display, with only Quillet's
# calendar plug-in enabled in the panel's digital clock, opens the clock's
# calendar on February 2027 and saves a PNG of it. Everything it starts runs
# in a throwaway HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR, and is ended, by
# the ids it was started with, when the script ends. Not part of the tests.
#
# Usage: scripts/plasma-picture.sh [OUT.png]   (default docs/plasma-clock.png)
# The plug-in is the installed one (the plasma-calendar-quillet package)
# where it is installed, else the build's (build/release/plasma), which
# Plasma is then told of through QT_PLUGIN_PATH.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/plasma-clock.png}
bash scripts/install-deps.sh --plasma

qt_plugins=$(qtpaths --plugin-dir 2>/dev/null ||
  echo /usr/lib/x86_64-linux-gnu/qt5/plugins)
plugin=$qt_plugins/plasmacalendarplugins/quilletlunar.so
scratch=$(mktemp -d /tmp/quillet-plasma.XXXXXX)
if [ ! -f "$plugin" ]; then
  built=build/release/plasma/quilletlunar.so
  [ -f "$built" ] || { echo "Build the plug-in first (make build)." >&2; exit 1; }
  mkdir -p "$scratch/plugins/plasmacalendarplugins"
  cp "$built" "$scratch/plugins/plasmacalendarplugins/"
  plugin=$scratch/plugins/plasmacalendarplugins/quilletlunar.so
  export QT_PLUGIN_PATH=$scratch/plugins
fi
echo "Plug-in: $plugin"

export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config
export XDG_RUNTIME_DIR=$scratch/runtime XDG_CACHE_HOME=$scratch/cache
export XDG_DATA_HOME=$scratch/data
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Crash dialogs stay away; a Chinese locale, with fonts that have its
# characters; Plasma's own look, no effects to wait for.
export KDE_DEBUG=1 LANG=zh_CN.UTF-8 LANGUAGE=zh_CN QT_QPA_PLATFORM=xcb
export KDE_FULL_SESSION=true XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5

# A panel along the bottom holding the digital clock alone, whose calendar
# has Quillet's plug-in and no other (Plasma 5.27 keeps the .so's path).
# QUILLET_WITH_ALTERNATE=1 enables Plasma's alternate calendar too, set to
# Chinese, to see which labels the clock shows where both answer; =only
# enables it alone, for comparison.
enabled=$plugin
alternate=$qt_plugins/plasmacalendarplugins/alternatecalendar.so
case ${QUILLET_WITH_ALTERNATE:-0} in
  1) enabled="$plugin,$alternate" ;;
  only) enabled=$alternate ;;
esac
if [ "${QUILLET_WITH_ALTERNATE:-0}" != 0 ]; then
  bash scripts/install-deps.sh --bench
  printf '[General]\ncalendarSystem=Chinese\n' \
    >"$XDG_CONFIG_HOME/plasma_calendar_alternatecalendar"
fi
cat >"$XDG_CONFIG_HOME/plasma-org.kde.plasma.desktop-appletsrc" <<CONFIG
[Containments][1]
formfactor=2
immutability=1
lastScreen=0
location=4
plugin=org.kde.panel

[Containments][1][Applets][2]
immutability=1
plugin=org.kde.plasma.digitalclock

[Containments][1][Applets][2][Configuration][Appearance]
enabledCalendarPlugins=$enabled
showDate=true

[Containments][1][General]
AppletOrder=2
CONFIG
cat >"$XDG_CONFIG_HOME/plasmashellrc" <<CONFIG
[PlasmaViews][Panel 1][Defaults]
thickness=44
CONFIG

display=:57
pids=()
cleanup() {
  local pid
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# plasmashell inside its own D-Bus session; the whole session is one process
# group led by dbus-run-session, ended as one.
setsid dbus-run-session -- plasmashell --no-respawn \
  >"$scratch/plasmashell.log" 2>&1 &
session=$!
pids+=("$session")
cleanup_session() {
  kill -- -"$session" 2>/dev/null || true
}
trap 'cleanup_session; cleanup' EXIT

# Wait for plasmashell's windows (the desktop and the panel), then for
# them to be drawn.
for _ in $(seq 60); do
  sleep 1
  xdotool search --class plasmashell >/dev/null 2>&1 && break
done
sleep 8
# The clock is the panel's only applet, at its left end: a click opens its
# calendar on this month, in a popup whose place is fixed by the screen's
# size and the panel's (1280 × 800, 44 pixels). Its arrows then page to
# February 2027, and a click on the 6th, 春节, lists that day's events.
xdotool mousemove 60 778 click 1
sleep 3
months=$(( (2027 - $(date +%Y)) * 12 + 2 - 10#$(date +%m) ))
arrow="618 455"                     # the next month
if [ "$months" -lt 0 ]; then
  arrow="544 455"                   # the month before
  months=$((-months))
fi
for ((m = 0; m < months; m++)); do
  xdotool mousemove $arrow click 1
  sleep 1
done
sleep 1
import -window root "$scratch/paged.png"
xdotool mousemove 610 521 click 1
# The pointer away, so that no tooltip covers the grid.
xdotool mousemove 1000 200
sleep 3
import -window root -crop 642x400+0+400 +repage "$scratch/shot.png"
cp "$scratch/shot.png" "$out"
echo "Saved $out"
