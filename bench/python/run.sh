#!/usr/bin/env bash
# Runs the Python benchmark against the module of a build: installs Debian's
# python3-lunardate, which it is timed beside, where it is missing.
# Usage: bench/python/run.sh <build dir>
set -euo pipefail
build=${1:?usage: run.sh <build dir>}
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -d "$build/python/quillet_lunar" ]; then
  echo "no Python module in $build (pybind11 or Python's headers missing?)" >&2
  exit 1
fi
if ! dpkg-query -W -f='${Status}' python3-lunardate 2>/dev/null |
    grep -q "install ok installed"; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: python3-lunardate"
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q \
    --no-install-recommends python3-lunardate >/dev/null
fi
PYTHONPATH="$build/python" PYTHONDONTWRITEBYTECODE=1 \
  /usr/bin/python3 "$here/to_lunar_bench.py"
