#!/usr/bin/env bash
# The bash completion of quillet-lunar, asked as bash asks it: each row is a
# command line being completed (its last word the one under the cursor) and
# the words the completion must offer, in order.
# Usage: completion_test.sh <completion file>
set -uo pipefail
# shellcheck source=/dev/null
. "$1"

failures=0
check() { # check 'expected words' word...
  local expected=$1
  shift
  COMP_WORDS=(quillet-lunar "$@")
  COMP_CWORD=$(( ${#COMP_WORDS[@]} - 1 ))
  COMPREPLY=()
  _quillet_lunar
  local actual="${COMPREPLY[*]}"
  if [ "$actual" != "$expected" ]; then
    echo "FAIL: quillet-lunar $* -> '$actual', expected '$expected'" >&2
    failures=$((failures + 1))
  fi
}

check 'cal' c
check '--traditional --tsv --to-gregorian --terms' --t
check '--traditional' --tsv --t
check '--json' --j
check '' --json --j
check '--version' --v
check '-3 --monday --traditional --color= -h --help' cal -
check '--monday' cal --m
check '--color=' cal --c
check '--color=auto --color=always' cal --color=a
check '--color=never' cal --color=n
check '' cal --color=never --c
check '' cal -3 -3
check '--traditional' cal -3 --tr
check '' 2024-03-01 c
check 'ics' i
check '--festivals' ics --f
check '--terms --traditional' ics --festivals --t
check '--anniversary' ics --anniversary 生日 2020-06-05 --an
check 'when-present' ics --leap-rule w
check 'last' ics --missing-day l
check '' ics --remind ''
check 'workday' w
check '-v --check -h --help' workday -
check '--check' workday --c
check '' workday -v --c
check '--holidays' ics --festivals --h
check '--hours --help' --h
check '--rat-hour' --hours 2024-07-15 --r
check '' --tsv --ho
check '--seasons' ics --se
check '--moon --missing-day' ics --m

echo "$(( 32 - failures )) passed, $failures failed"
[ "$failures" -eq 0 ]
