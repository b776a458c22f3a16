#!/usr/bin/env bash
# Builds what a benchmark runs, into a build folder that is made when missing (Release, Ninja) and
# configured again otherwise, so that packages installed since are found. Its output goes to stderr.
#
#   scripts/bench/build-targets.sh <build-dir> <target>...
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build=$1
shift
{
    if [[ -f "$build/CMakeCache.txt" ]]; then
        cmake -S "$here" -B "$build" >/dev/null
    else
        cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    cmake --build "$build" --parallel 4 --target "$@"
} >&2
