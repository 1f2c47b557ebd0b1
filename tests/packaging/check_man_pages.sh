#!/usr/bin/env bash
# Formats the man pages as man and groff do, and fails on any warning; checks
# that quillet-lunar(1) gives the program's grammar and output headers, and,
# where the program is built, that its --help and the page name the same
# options.
# Usage: check_man_pages.sh <folder of the pages> [quillet-lunar program]
set -uo pipefail
# shellcheck source=tests/packaging/common.sh
. "$(dirname "$0")/common.sh"

dir=$1 program=${2:-}
need_tool groff groff-base
need_tool man man-db
export LC_ALL=C.UTF-8 MANWIDTH=250
for page in "$dir/quillet.1" "$dir/quillet-lunar.1"; do
  for check in "groff -man -ww -z" "groff -man -Tutf8 -ww -z" \
               "man --warnings -E UTF-8 -l"; do
    warnings=$($check "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$check $(basename "$page"):" "$warnings"
  done
done

# The page as a terminal shows it, every kind of hyphen as '-'.
text=$(man -E UTF-8 -l "$dir/quillet-lunar.1" 2>/dev/null | sed 's/‐/-/g; s/−/-/g')
synopsis=$(sed -n '/^SYNOPSIS/,/^[A-Z]/p' <<<"$text" | sed -n 's/^ *\(quillet-lunar\)/\1/p')
expected='quillet-lunar [--traditional] [--json] [YYYY-MM-DD]
quillet-lunar [--traditional] [--json] -
quillet-lunar [--traditional] [--json] --tsv FROM TO
quillet-lunar --to-gregorian YEAR MONTH DAY [--leap]
quillet-lunar [--traditional] [--json] --terms YEAR
quillet-lunar [--traditional] [--json] --hours YYYY-MM-DD [--rat-hour]
quillet-lunar cal [-3] [--monday] [--traditional] [--color=WHEN] [YEAR [MONTH]]
quillet-lunar workday [-v] [YYYY-MM-DD]
quillet-lunar workday --check FILE
quillet-lunar ics [--festivals] [--terms] [--days] [--holidays] [--seasons] [--moon] [--anniversary NAME YYYY-MM-DD]... [--leap-rule RULE] [--missing-day RULE] [--remind DAYS] [--traditional] [--output FILE] FROM TO
quillet-lunar -h | --help | --version'
if [ "$synopsis" != "$expected" ]; then
  fail "quillet-lunar(1)'s synopsis differs from the program's grammar:"
  diff <(echo "$expected") <(echo "$synopsis") | sed 's/^/  /' >&2
fi
tab=$'\t'
for header in "gregorian${tab}lunar_year${tab}lunar_month${tab}is_leap${tab}lunar_day${tab}note${tab}official${tab}holiday${tab}workday" \
              "date${tab}name${tab}instant_utc8"; do
  grep -qxF "$header" "$dir/quillet-lunar.1" ||
    fail "quillet-lunar(1) does not give the header line '$header'"
done
grep -q '^\.SH EXIT STATUS' "$dir/quillet-lunar.1" ||
  fail "quillet-lunar(1) has no EXIT STATUS"

if [ -n "$program" ]; then
  options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
  from_help=$("$program" --help 2>&1 | options)
  from_page=$(options <<<"$synopsis")
  [ "$from_help" = "$from_page" ] ||
    fail "quillet-lunar --help and its man page name different options:" \
      "$(diff <(echo "$from_page") <(echo "$from_help") | grep '^[<>]' | tr '\n' ' ')"
fi
finish
