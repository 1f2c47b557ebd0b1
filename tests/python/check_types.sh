#!/usr/bin/env bash
# The stub seen from both sides: mypy --strict accepts a program that uses
# every function as documented and reports each of the misuses; stubtest
# holds the stub to the built module.
set -euo pipefail
python=$1
here=$(cd "$(dirname "$0")" && pwd)
cache=$(mktemp -d)
trap 'rm -rf "$cache"' EXIT
mypy=("$python" -m mypy --cache-dir "$cache" --no-error-summary)

"${mypy[@]}" --strict "$here/typed_usage.py"

expected=$(grep -c '^quillet_lunar\.' "$here/typed_misuse.py")
set +e
report=$("${mypy[@]}" "$here/typed_misuse.py")
set -e
found=$(grep -c ': error:' <<<"$report" || true)
lines=$(grep -o 'typed_misuse.py:[0-9]*' <<<"$report" | sort -u | wc -l)
if [ "$found" -lt "$expected" ] || [ "$lines" -ne "$expected" ]; then
  echo "mypy reported $lines of the $expected misuses:" >&2
  echo "$report" >&2
  exit 1
fi

"$python" -m mypy.stubtest --allowlist "$here/stubtest_allowlist.txt" \
  quillet_lunar
