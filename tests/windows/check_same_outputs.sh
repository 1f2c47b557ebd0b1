#!/usr/bin/env bash
# Runs two builds of quillet-lunar on the same arguments, one case a line of
# the cases file, and checks that their standard output, standard error and
# exit status are the same bytes. The second program runs through the
# emulator (Wine for a Windows build).
# Usage: check_same_outputs.sh <cases> <cmake> <host build dir> <scratch dir>
#          <emulator> <program>
set -uo pipefail

cases=$1 cmake=$2 host_build=$3 out=$4 emulator=$5 program=$6
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

if [ -z "$host_build" ] || [ ! -f "$host_build/CMakeCache.txt" ]; then
  echo "FAIL: no configured build for this machine at '$host_build'" \
       "(cmake --preset library makes one)" >&2
  exit 1
fi
if ! "$cmake" --build "$host_build" --target quillet-lunar >"$out.build.log" 2>&1; then
  cat "$out.build.log" >&2
  echo "FAIL: the build machine's quillet-lunar does not build" >&2
  exit 1
fi
host=$(cat "$host_build/quillet-lunar.path" 2>/dev/null)
if [ ! -x "$host" ]; then
  echo "FAIL: $host_build/quillet-lunar.path names no program: '$host'" >&2
  exit 1
fi

rm -rf "$out"
mkdir -p "$out/host" "$out/other"
# Both run in a UTF-8 locale, as a Chinese argument needs.
export LC_ALL=C.UTF-8
n=0
while IFS= read -r line; do
  case $line in '' | '#'*) continue ;; esac
  n=$((n + 1))
  read -r -a words <<<"$line"
  # NAME=VALUE words first: the runs' environment; a word <FILE: their
  # standard input, FILE beside the cases; the rest: the arguments.
  settings=() input=/dev/null args=()
  for word in "${words[@]}"; do
    if [ ${#args[@]} -eq 0 ] && [[ $word =~ ^[A-Z_]+= ]]; then
      settings+=("$word")
    elif [[ $word == '<'* ]]; then
      input=$(dirname "$cases")/${word#<}
    else
      args+=("$word")
    fi
  done
  # Each run in an empty folder of its own: a file it writes there (ics
  # --output) is compared too.
  mkdir "$out/host/$n.files" "$out/other/$n.files"
  (cd "$out/host/$n.files" &&
    env "${settings[@]}" "$host" "${args[@]}" <"$input" \
      >"$out/host/$n.out" 2>"$out/host/$n.err"
    echo $? >"$out/host/$n.status")
  (cd "$out/other/$n.files" &&
    env "${settings[@]}" "$emulator" "$program" "${args[@]}" <"$input" \
      >"$out/other/$n.out" 2>"$out/other/$n.err"
    echo $? >"$out/other/$n.status")
  for part in out err status; do
    if ! cmp -s "$out/host/$n.$part" "$out/other/$n.$part"; then
      fail "quillet-lunar $line: standard ${part/status/exit status} differs:"
      diff <(od -c "$out/host/$n.$part" | head -20) \
           <(od -c "$out/other/$n.$part" | head -20) | head -20 >&2
    fi
  done
  if ! diff -r "$out/host/$n.files" "$out/other/$n.files" >/dev/null; then
    fail "quillet-lunar $line: the files written differ:"
    diff -r "$out/host/$n.files" "$out/other/$n.files" | head -20 >&2
  fi
done <"$cases"

[ "$n" -gt 0 ] || fail "no cases in $cases"
echo "$n cases compared, $failures differences"
[ "$failures" -eq 0 ]
