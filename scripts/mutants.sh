#!/usr/bin/env bash
# Plants each fault of scripts/mutants.tsv, one at a time, in a scratch copy of
# the committed tree, and runs the suite (all but the tests labelled slow)
# against it. Every fault should fail the build or a test: it is "killed".
# A fault the suite lets through is a "SURVIVED" line; a fault whose pattern is
# not in its file exactly once, or whose build and tests could not be told
# apart from a hang, is an "ERROR" line. Exits non-zero if any fault survived
# or was in error, or if the pristine copy is not green before the first fault
# and after the last.
#
#   bash scripts/mutants.sh                 every fault of the list
#   bash scripts/mutants.sh NAME...         only these
#
# What is checked is one commit, HEAD when the run starts (MUTANTS_COMMIT
# names another), with the fault list of that commit: uncommitted changes play
# no part. Before the pristine check and after every fault the scratch copy,
# build/mutants/src, is made that commit's tree again by comparing every file's
# content with the commit's (time stamps are not trusted), rewriting what
# differs and removing what the commit does not have. Each fault's build and
# tests run in a process group of their own; on exit, on an interrupt, a hang-up
# or a termination, and when they overrun their time, the whole group is
# stopped before the copy is restored, so no compiler still running can write
# an object of the fault after it. A lock keeps a second run, or anything a
# killed run left running, out of the same scratch folders.
#
# The scratch build, configured as the release preset without the
# benchmarks, is kept in build/mutants/build so each fault rebuilds only what
# it touches. Each fault's build and test output goes to build/mutants/logs.
# MUTANTS_TEST_TIMEOUT: one test's limit in seconds (default 120);
# MUTANTS_FAULT_TIMEOUT: one fault's build and tests together (default 1800).
set -euo pipefail

# The whole script is one block, read before any of it runs: editing the
# script, or checking out another commit, while a run goes on cannot change
# what that run does.
{
repo=$(cd "$(dirname "$0")/.." && pwd)
work="$repo/build/mutants"
src="$work/src"
bin="$work/build"
logs="$work/logs"
jobs=$(nproc 2>/dev/null || echo 2)
test_timeout=${MUTANTS_TEST_TIMEOUT:-120}
fault_timeout=${MUTANTS_FAULT_TIMEOUT:-1800}
export QT_QPA_PLATFORM=offscreen

commit=$(git -C "$repo" rev-parse --verify "${MUTANTS_COMMIT:-HEAD}^{commit}") || {
  echo "error: no commit to check out" >&2
  exit 2
}

# The helper does what plain shell does badly: reading the tab-separated list
# with its escapes, literal replacement, and making the scratch copy the
# commit's tree by content.
helper=$(
  cat <<'PY'
import hashlib, json, os, shutil, stat, subprocess, sys

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
            if pattern == replacement:
                sys.exit(f"{path}:{number}: fault {name} changes nothing")
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

def plant(path, name, src):
    _, file, pattern, replacement = next(r for r in faults(path) if r[0] == name)
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
    with open(target, "w", encoding="utf-8", newline="") as f:
        f.write(text.replace(pattern, replacement, 1))
    print(file)
    return 0

def git(repo, *args, data=None):
    return subprocess.run(["git", "-C", repo, *args], input=data, check=True,
                          capture_output=True).stdout

def blob_id(data):
    return hashlib.sha1(b"blob %d\0" % len(data) + data).hexdigest()

def restore(repo, commit, src):
    # Every file of the commit, by path: (mode, blob id). The tree holds
    # plain files only.
    tree = {}
    for entry in git(repo, "ls-tree", "-r", "-z", "--full-tree", commit).split(b"\0"):
        if not entry:
            continue
        meta, path = entry.split(b"\t", 1)
        mode, kind, oid = meta.decode().split(" ")
        if mode not in ("100644", "100755"):
            sys.exit(f"{path.decode()}: a {kind} of mode {mode}, not a plain file")
        tree[path.decode()] = (mode, oid)
    stale = []
    for path, (mode, oid) in sorted(tree.items()):
        copy = os.path.join(src, path)
        if os.path.islink(copy) or not os.path.isfile(copy):
            stale.append(path)
            continue
        with open(copy, "rb") as f:
            same = blob_id(f.read()) == oid
        executable = bool(os.stat(copy).st_mode & stat.S_IXUSR)
        if not same or executable != (mode == "100755"):
            stale.append(path)
    for path in stale:
        mode, oid = tree[path]
        copy = os.path.join(src, path)
        if os.path.isdir(copy) and not os.path.islink(copy):
            shutil.rmtree(copy)
        elif os.path.lexists(copy):
            os.remove(copy)
        os.makedirs(os.path.dirname(copy), exist_ok=True)
        with open(copy, "wb") as f:  # a fresh time stamp: it gets rebuilt
            f.write(git(repo, "cat-file", "blob", oid))
        os.chmod(copy, 0o755 if mode == "100755" else 0o644)
    # What the commit does not have goes, links included.
    extra = []
    for root, dirs, files in os.walk(src, topdown=False):
        for name in files + dirs:
            full = os.path.join(root, name)
            path = os.path.relpath(full, src)
            if os.path.islink(full) or (name in files and path not in tree):
                extra.append(path)
                os.remove(full)
            elif name in dirs and not os.listdir(full):
                os.rmdir(full)
    for path in stale:
        print(f"rewrote {path}")
    for path in sorted(extra):
        print(f"removed {path}")

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
    sys.exit(plant(*sys.argv[2:5]))
elif command == "restore":
    restore(*sys.argv[2:5])
elif command == "configure-args":
    configure_args(sys.argv[2])
PY
)
py() { python3 -c "$helper" "$@"; }

mkdir -p "$src" "$bin" "$logs"
# Held by this run and by every process it starts: a run killed outright
# keeps the folders locked until the last compiler it left behind has ended.
exec 9>"$work/lock"
if ! flock -n 9; then
  echo "error: another make mutants, or what one left running, holds $work/lock" >&2
  exit 2
fi

# The running fault's process group, and whether the scratch copy may differ
# from the commit.
group=""
dirty=1

stop_group() {
  [ -n "$group" ] || return 0
  kill -TERM -- "-$group" 2>/dev/null || true
  local waited=0
  while kill -0 -- "-$group" 2>/dev/null; do
    if [ "$waited" -ge 100 ]; then  # ten seconds
      kill -KILL -- "-$group" 2>/dev/null || true
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  group=""
}

# Makes the scratch copy the commit's tree; prints what it had to change.
restore() {
  py restore "$repo" "$commit" "$src"
}

# shellcheck disable=SC2317  # called from the traps
cleanup() {
  stop_group
  if [ "$dirty" -eq 1 ]; then
    restore >/dev/null && dirty=0
  fi
}
trap cleanup EXIT
for signal in INT TERM HUP; do
  # shellcheck disable=SC2064  # the signal's name is fixed now
  trap "cleanup; trap - $signal EXIT; kill -s $signal \$\$" "$signal"
done

# Builds and runs the quick suite in a process group of its own, within the
# fault's time. Returns 0 if green, 1 if the build failed, 2 if a test failed,
# 3 if the time ran out.
build_and_test() {  # $1: log file
  # shellcheck disable=SC2016  # expanded by the inner shell, from its arguments
  setsid bash -c '
    cmake --build "$1" -j "$2" >"$5" 2>&1 || exit 1
    ctest --test-dir "$1" -LE slow -j "$2" --timeout "$3" \
      --output-on-failure --stop-on-failure >>"$5" 2>&1 || exit 2
  ' build_and_test "$bin" "$jobs" "$test_timeout" "$fault_timeout" "$1" &
  group=$!
  local started=$SECONDS status=0
  while kill -0 "$group" 2>/dev/null; do
    if [ $((SECONDS - started)) -ge "$fault_timeout" ]; then
      echo "the build and tests took more than $fault_timeout s" >>"$1"
      stop_group
      wait 2>/dev/null || true
      return 3
    fi
    sleep 1
  done
  wait "$group" || status=$?
  stop_group  # whatever the suite left behind in the group
  return "$status"
}

echo "commit $commit"
changed=$(restore) || exit 2
dirty=0
list="$src/scripts/mutants.tsv"
names=$(py names "$list" "$@") || exit 2
[ -n "$names" ] || { echo "no faults to plant" >&2; exit 2; }
mapfile -t selected <<<"$names"

start=$(date +%s)
# The release preset's settings, without the benchmarks, which no test runs.
configure=$(py configure-args "$src") || exit 2
mapfile -t args <<<"$configure"
cmake -S "$src" -B "$bin" "${args[@]}" -DQUILLET_BUILD_BENCH=OFF \
  >"$logs/configure.log" 2>&1 || {
  echo "error: configuring the scratch copy failed; see $logs/configure.log" >&2
  exit 2
}

pristine() {  # $1: "first" or "last"
  local status=0 log="$logs/pristine-$1.log" when="before the first fault"
  [ "$1" = first ] || when="after the last fault"
  build_and_test "$log" || status=$?
  local changed
  changed=$(restore)
  if [ -n "$changed" ]; then
    echo "error: building and testing the pristine copy changed its source: ${changed//$'\n'/ }" >&2
    exit 2
  fi
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    local what=(green "the build failed" "a test failed" "the time ran out")
    echo "error: the pristine copy is not green $when: ${what[$status]}; see $log" >&2
    exit 2
  fi
}

echo "pristine: building and testing $src"
pristine first
echo "pristine: green in $(($(date +%s) - start)) s"

killed=0
survived=0
errors=0
survivors=()
for name in "${selected[@]}"; do
  t0=$(date +%s)
  dirty=1
  if ! where=$(py plant "$list" "$name" "$src"); then
    printf 'ERROR   %s  (%s)\n' "$name" "$where"
    errors=$((errors + 1))
    continue
  fi
  status=0
  build_and_test "$logs/$name.log" || status=$?
  # The copy is the commit's again; anything but the fault's own file that
  # had to be put back was written by the build or the suite.
  changed=$(restore)
  dirty=0
  others=$(grep -vxF "rewrote $where" <<<"$changed" || true)
  seconds=$(($(date +%s) - t0))
  if [ -n "$others" ]; then
    printf 'ERROR   %s  (the build or the suite changed the source: %s)\n' \
      "$name" "$(tr '\n' ' ' <<<"$others")"
    errors=$((errors + 1))
    continue
  fi
  case $status in
    0) printf 'SURVIVED %s  (%d s)\n' "$name" "$seconds"
       survived=$((survived + 1)); survivors+=("$name") ;;
    1) printf 'killed  %s  (does not build, %d s)\n' "$name" "$seconds"
       killed=$((killed + 1)) ;;
    2) printf 'killed  %s  (%d s)\n' "$name" "$seconds"
       killed=$((killed + 1)) ;;
    *) printf 'ERROR   %s  (more than %d s; see %s)\n' "$name" "$fault_timeout" \
         "$logs/$name.log"
       errors=$((errors + 1)) ;;
  esac
done

echo "pristine: building and testing again after the last fault"
pristine last
echo "pristine: green"

echo
echo "faults: ${#selected[@]}  killed: $killed  survived: $survived  errors: $errors"
[ "$survived" -eq 0 ] || echo "survivors: ${survivors[*]}"
echo "wall time: $(($(date +%s) - start)) s"
[ "$survived" -eq 0 ] && [ "$errors" -eq 0 ]
exit
}
