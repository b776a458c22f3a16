#!/usr/bin/env bash
# Start-up benchmark (not a test): the launcher against an empty Qt window of the same size, built
# alongside it, in one run under one virtual display, and the time from a game's access key to its
# window painted, for all seven games. Prints one table.
#
#   scripts/bench-startup.sh [build-dir]     (default: build; configured and built when needed)
#
# Environment: BENCH_DISPLAY (default :99; a server already running there is used as it is, else
# Xvfb and openbox are started and stopped again), BENCH_RUNS (interleaved start-up runs of each,
# default 15), BENCH_KEY_RUNS (runs per game, default 5).
# Installs what it needs (scripts/setup.sh): Xvfb, openbox, xdpyinfo, Qt's X11 platform, the X11
# headers the window watch is built with and the damage and test libraries it loads.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh" xvfb openbox x11-utils qt6-qpa-plugins libx11-dev libxdamage1 libxtst6 >&2
mkdir -p "${1:-$here/build}"
build="$(cd "${1:-$here/build}" && pwd)"
"$here/scripts/bench/build-targets.sh" "$build" parlour parlour_empty_window parlour_window_watch
launcher="$build/bin/parlour"
empty="$build/bench/parlour_empty_window"
watch="$build/bench/parlour_window_watch"
runs="${BENCH_RUNS:-15}"
key_runs="${BENCH_KEY_RUNS:-5}"
export DISPLAY="${BENCH_DISPLAY:-:99}"

started=()
cleanup() { for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT
if ! xdpyinfo >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & started+=($!)
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 & started+=($!)
    sleep 1
fi

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Each start also reads the resident memory two seconds after the exec. The empty window with one
# line of text is a reference only: it shows what the font set-up alone costs.
empty_ms=() launcher_ms=() text_ms=() empty_kb=() launcher_kb=() text_kb=() empty_map=() launcher_map=()
# One unmeasured start of each first, so that no program is timed on a cold file cache.
for program in "$empty" "$launcher"; do "$watch" start "$program" >/dev/null; done
for _ in $(seq "$runs"); do
    read -r ms kb map < <("$watch" start "$empty"); empty_ms+=("$ms"); empty_kb+=("$kb"); empty_map+=("$map")
    read -r ms kb map < <("$watch" start "$launcher"); launcher_ms+=("$ms"); launcher_kb+=("$kb"); launcher_map+=("$map")
    read -r ms kb map < <("$watch" start "$empty" --text); text_ms+=("$ms"); text_kb+=("$kb")
done

e_ms=$(printf '%s\n' "${empty_ms[@]}" | median)
l_ms=$(printf '%s\n' "${launcher_ms[@]}" | median)
e_kb=$(printf '%s\n' "${empty_kb[@]}" | median)
l_kb=$(printf '%s\n' "${launcher_kb[@]}" | median)
t_ms=$(printf '%s\n' "${text_ms[@]}" | median)
e_map=$(printf '%s\n' "${empty_map[@]}" | median)
l_map=$(printf '%s\n' "${launcher_map[@]}" | median)
t_kb=$(printf '%s\n' "${text_kb[@]}" | median)

declare -A game_ms
games=(Tallies:t Stackjack:s Quickjack:q Spires:p Duetto:d Gridhand:r Cairnwell:a)
for entry in "${games[@]}"; do
    name="${entry%%:*}" key="${entry##*:}"
    times=()
    for _ in $(seq "$key_runs"); do times+=("$("$watch" key "$key" "$launcher")"); done
    game_ms[$name]=$(printf '%s\n' "${times[@]}" | median)
done

row() { printf '%-54s %10s %10s %7s  %s\n' "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v <= t ? "ok" : "MISSED") }'; }
echo "Start-up benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), display $DISPLAY, $(nproc) cores"
echo "start-up: median of $runs interleaved runs, exec to first window visible (mapped) and to its first paint; memory: resident 2 s after start, median of the same runs"
row "measure" "launcher" "empty win" "ratio" "target"
row "start-up to first visible window (ms)" "$l_map" "$e_map" "$(ratio "$l_map" "$e_map")" "<=1.15x $(verdict "$(ratio "$l_map" "$e_map")" 1.15)"
row "start-up to first paint (ms)" "$l_ms" "$e_ms" "$(ratio "$l_ms" "$e_ms")" ""
row "resident memory (MB)" "$(awk -v k="$l_kb" 'BEGIN { printf "%.1f", k / 1024 }')" \
    "$(awk -v k="$e_kb" 'BEGIN { printf "%.1f", k / 1024 }')" "$(ratio "$l_kb" "$e_kb")" "<=1.3x $(verdict "$(ratio "$l_kb" "$e_kb")" 1.3)"
row "reference: empty window + 1 text line, start-up (ms)" "$t_ms" "$e_ms" "$(ratio "$t_ms" "$e_ms")" ""
row "reference: empty window + 1 text line, memory (MB)" "$(awk -v k="$t_kb" 'BEGIN { printf "%.1f", k / 1024 }')" \
    "$(awk -v k="$e_kb" 'BEGIN { printf "%.1f", k / 1024 }')" "$(ratio "$t_kb" "$e_kb")" ""
for entry in "${games[@]}"; do
    name="${entry%%:*}" key="${entry##*:}"
    row "$name: Alt+${key^^} to painted (ms)" "${game_ms[$name]}" "" "" "<=60 $(verdict "${game_ms[$name]}" 60)"
done
