#!/usr/bin/env bash
# Imports a file of quillet-lunar ics into khal, a calendar client Debian
# packages, and checks that its listing shows the events on their days (the
# days are published facts), that every event of the file is there once, and
# that importing a newer file updates the events instead of doubling them.
#
#   check_khal.sh QUILLET_LUNAR
set -euo pipefail

program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=Asia/Shanghai
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
  XDG_CACHE_HOME=$work/cache
export SOURCE_DATE_EPOCH=1700000000
mkdir -p "$work/calendar"
cat >"$work/khal.conf" <<EOF
[calendars]
[[lunar]]
path = $work/calendar
type = calendar
[locale]
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
timeformat = %H:%M
[default]
default_calendar = lunar
EOF
khal=(khal -c "$work/khal.conf")

fail() {
  echo "check_khal: $*" >&2
  exit 1
}

listing() {
  "${khal[@]}" list --day-format '' --format '{start-date}|{title}' \
    2024-01-01 2025-12-31
}

"$program" ics --festivals --terms --anniversary 外婆生日 2020-06-05 \
  --output "$work/lunar.ics" 2024 2025
"${khal[@]}" import --batch -a lunar "$work/lunar.ics"
listing >"$work/listing"

expected=(
  "2024-02-09|除夕"
  "2024-02-10|春节"
  "2024-02-04|立春"
  "2024-06-10|端午节"
  "2024-09-17|中秋节"
  "2024-12-21|冬至"
  "2025-01-28|除夕"
  "2025-01-29|春节"
  "2025-10-06|中秋节"
  # 闰四月十四 of 2020 kept on 四月十四
  "2024-05-21|外婆生日"
  "2025-05-11|外婆生日"
)
for line in "${expected[@]}"; do
  grep -qxF "$line" "$work/listing" || fail "khal does not list $line"
done

events=$(grep -c '^BEGIN:VEVENT' "$work/lunar.ics")
listed=$(grep -c '|' "$work/listing")
[ "$events" -gt 100 ] || fail "only $events events written"
[ "$listed" -eq "$events" ] || fail "khal lists $listed of $events events"

# A newer file of the same events, in the other script and with alarms:
# khal updates them, and still lists each once.
"$program" ics --festivals --terms --anniversary 外婆生日 2020-06-05 \
  --traditional --remind 1 --output "$work/lunar.ics" 2024 2025
"${khal[@]}" import --batch -a lunar "$work/lunar.ics"
listing >"$work/again"
again=$(grep -c '|' "$work/again")
[ "$again" -eq "$events" ] || fail "after a second import khal lists $again, not $events"
grep -qxF "2024-03-05|驚蟄" "$work/again" || fail "the second import did not update 惊蛰"
echo "khal lists all $events events on their days, once each"
