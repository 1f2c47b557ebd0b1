#!/usr/bin/env bash
# Plants each fault of scripts/mutants.tsv, one at a time, in a scratch copy of
# the working tree, and runs the suite (all but the tests labelled slow)
# against it. Every fault should fail the build or a test: it is "killed".
# A fault the suite lets through is a "SURVIVED" line; a fault whose pattern is
# not in its file exactly once is an "ERROR" line. Exits non-zero if any fault
# survived or was in error.
#
#   bash scripts/mutants.sh                 every fault of the list
#   bash scripts/mutants.sh NAME...         only these
#
# Scratch copy: build/mutants/src; its build, configured once as the release
# preset, is kept in build/mutants/build so each fault rebuilds only what it
# touches. Each fault's build and test output goes to build/mutants/logs.
# MUTANTS_TEST_TIMEOUT sets the per-test timeout in seconds (default 120).
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
list="$repo/scripts/mutants.tsv"
work="$repo/build/mutants"
src="$work/src"
bin="$work/build"
logs="$work/logs"
backup="$work/pristine"
jobs=$(nproc 2>/dev/null || echo 2)
timeout=${MUTANTS_TEST_TIMEOUT:-120}
export QT_QPA_PLATFORM=offscreen

# The helper does what plain shell does badly: reading the tab-separated list
# with its escapes, literal replacement, and copying only the files that
# changed (so the scratch build stays incremental).
helper=$(
  cat <<'PY'
import json, os, shutil, subprocess, sys

def unescape(field):
    out, i = [], 0
    while i < len(field):
        c = field[i]
        if c == "\\" and i + 1 < len(field) and field[i + 1] in "\\nt":
            out.append({"\\": "\\", "n": "\n", "t": "\t"}[field[i + 1]])
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)

def faults(path):
    rows, seen = [], set()
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 4:
                sys.exit(f"{path}:{number}: expected 4 tab-separated fields, "
                         f"found {len(fields)}")
            name, file, pattern, replacement = fields
            if name in seen:
                sys.exit(f"{path}:{number}: fault {name} is listed twice")
            if not pattern:
                sys.exit(f"{path}:{number}: fault {name} has an empty pattern")
            seen.add(name)
            rows.append((name, file, unescape(pattern), unescape(replacement)))
    return rows

def names(path, wanted):
    rows = faults(path)
    known = [r[0] for r in rows]
    unknown = [w for w in wanted if w not in known]
    if unknown:
        sys.exit("no such fault in the list: " + " ".join(unknown))
    for name in (wanted or known):
        print(name)

def plant(path, name, src, backup):
    row = next(r for r in faults(path) if r[0] == name)
    _, file, pattern, replacement = row
    target = os.path.join(src, file)
    if not os.path.isfile(target):
        print(f"no file {file}")
        return 3
    with open(target, encoding="utf-8", newline="") as f:
        text = f.read()
    count = text.count(pattern)
    if count != 1:
        print(f"pattern found {count} times in {file}, not once")
        return 3
    keep = os.path.join(backup, file)
    os.makedirs(os.path.dirname(keep), exist_ok=True)
    shutil.copyfile(target, keep)
    with open(target, "w", encoding="utf-8", newline="") as f:
        f.write(text.replace(pattern, replacement, 1))
    print(file)
    return 0

def sync(repo, src):
    # Tracked files, and new ones not yet added (a test file the suite's
    # CMakeLists already names), as they are in the working tree.
    listed = subprocess.run(
        ["git", "-C", repo, "ls-files", "-z", "--cached", "--others",
         "--exclude-standard"], check=True, capture_output=True).stdout
    files = sorted({p for p in listed.decode().split("\0") if p})
    manifest = os.path.join(src, ".mutants-files")
    old = set()
    if os.path.exists(manifest):
        with open(manifest) as f:
            old = set(f.read().split("\0")) - {""}
    present = []
    for rel in files:
        origin = os.path.join(repo, rel)
        if not os.path.isfile(origin):
            continue  # deleted in the working tree
        present.append(rel)
        copy = os.path.join(src, rel)
        if os.path.isfile(copy):
            with open(origin, "rb") as a, open(copy, "rb") as b:
                if a.read() == b.read():
                    continue
        os.makedirs(os.path.dirname(copy), exist_ok=True)
        shutil.copyfile(origin, copy)  # a fresh time stamp: it gets rebuilt
        shutil.copymode(origin, copy)
    for rel in old - set(present):
        if os.path.isfile(os.path.join(src, rel)):
            os.remove(os.path.join(src, rel))
    with open(manifest, "w") as f:
        f.write("\0".join(present))

def configure_args(src):
    # The release preset's generator and cache variables, following inherits.
    with open(os.path.join(src, "CMakePresets.json")) as f:
        presets = {p["name"]: p for p in json.load(f)["configurePresets"]}
    def resolve(name):
        preset = presets[name]
        inherits = preset.get("inherits", [])
        if isinstance(inherits, str):
            inherits = [inherits]
        merged = {"cacheVariables": {}}
        for parent in reversed(inherits):  # the first parent wins
            base = resolve(parent)
            merged["cacheVariables"].update(base["cacheVariables"])
            if "generator" in base:
                merged["generator"] = base["generator"]
        merged["cacheVariables"].update(preset.get("cacheVariables", {}))
        if "generator" in preset:
            merged["generator"] = preset["generator"]
        return merged
    release = resolve("release")
    if "generator" in release:
        print("-G")
        print(release["generator"])
    for key, value in release["cacheVariables"].items():
        if isinstance(value, dict):
            value = value.get("value", "")
        print(f"-D{key}={value}")

command = sys.argv[1]
if command == "names":
    names(sys.argv[2], sys.argv[3:])
elif command == "plant":
    sys.exit(plant(*sys.argv[2:6]))
elif command == "sync":
    sync(sys.argv[2], sys.argv[3])
elif command == "configure-args":
    configure_args(sys.argv[2])
PY
)
py() { python3 -c "$helper" "$@"; }

names=$(py names "$list" "$@") || exit 2
[ -n "$names" ] || { echo "no faults to plant" >&2; exit 2; }
mapfile -t selected <<<"$names"

start=$(date +%s)
mkdir -p "$src" "$bin" "$logs" "$backup"
py sync "$repo" "$src"

# Whatever stops the run, the scratch copy is left pristine.
planted=""
restore() {
  if [ -n "$planted" ]; then
    cp "$backup/$planted" "$src/$planted"
    touch "$src/$planted"  # newer than the fault's objects: recompiled next
    planted=""
  fi
}
trap restore EXIT
trap 'restore; exit 130' INT TERM

build_and_test() {  # $1: log file; 1 = build failed, 2 = a test failed
  cmake --build "$bin" -j "$jobs" >"$1" 2>&1 || return 1
  ctest --test-dir "$bin" -LE slow -j "$jobs" --timeout "$timeout" \
    --output-on-failure --stop-on-failure >>"$1" 2>&1 || return 2
}

if [ ! -f "$bin/build.ninja" ]; then
  configure=$(py configure-args "$src") || exit 2
  mapfile -t args <<<"$configure"
  cmake -S "$src" -B "$bin" "${args[@]}" >"$logs/configure.log" 2>&1 || {
    echo "error: configuring the scratch copy failed; see $logs/configure.log" >&2
    exit 2
  }
fi

echo "pristine: building and testing $src"
status=0
build_and_test "$logs/pristine.log" || status=$?
if [ "$status" -ne 0 ]; then
  tail -n 40 "$logs/pristine.log" >&2
  echo "error: the pristine copy is not green ($([ "$status" -eq 1 ] && echo build || echo tests) failed); see $logs/pristine.log" >&2
  exit 2
fi
echo "pristine: green in $(($(date +%s) - start)) s"

killed=0
survived=0
errors=0
survivors=()
for name in "${selected[@]}"; do
  t0=$(date +%s)
  if ! where=$(py plant "$list" "$name" "$src" "$backup"); then
    printf 'ERROR   %s  (%s)\n' "$name" "$where"
    errors=$((errors + 1))
    continue
  fi
  planted=$where
  status=0
  build_and_test "$logs/$name.log" || status=$?
  restore
  case $status in
    0) printf 'SURVIVED %s  (%d s)\n' "$name" $(($(date +%s) - t0))
       survived=$((survived + 1)); survivors+=("$name") ;;
    1) printf 'killed  %s  (does not build, %d s)\n' "$name" $(($(date +%s) - t0))
       killed=$((killed + 1)) ;;
    *) printf 'killed  %s  (%d s)\n' "$name" $(($(date +%s) - t0))
       killed=$((killed + 1)) ;;
  esac
done

echo
echo "faults: ${#selected[@]}  killed: $killed  survived: $survived  errors: $errors"
[ "$survived" -eq 0 ] || echo "survivors: ${survivors[*]}"
echo "wall time: $(($(date +%s) - start)) s"
[ "$survived" -eq 0 ] && [ "$errors" -eq 0 ]
