#!/usr/bin/env bash
# Sound benchmark (not a test): what a player hears through a real sound server. A private
# PulseAudio with a null sink as its default sink is started (and stopped again), the program's own
# sound path plays every sound, repeats, a count-up and the tune through it (build/bench/
# parlour_sound_probe, which loads the sound module built with the program), and the sink's monitor
# is recorded. Prints for each sound its onset after the call and the share of its energy heard, the
# tune's gaps and length against its offline render, CPU and memory while playing and after, and
# whether an output stream stays open in silence. Then the server is restarted under the running
# program, and the next sound and tune are looked for; and killed under a playing tune, which is
# looked for with nothing asked, and where in the tune it goes on.
#
# Then what the window's thread would suffer under faults, each run bounded in time: the server
# stopped (kill -STOP) for 10 s under the tune and sounds, and a quit while it is stopped; a server
# socket that accepts and never answers, and one with nothing listening; a 16 MB low-rate WAV as
# Chord.wav; a damaged and a flooding tune as Corvanta.MID (the last three in copies of the program
# folder). Prints for each its longest busy stretch, the longest step of a 1 s clock, the longest
# sound call, the time to quit, and the CPU and memory it cost.
#
#   scripts/bench-sound.sh [build-dir]     (default: build; configured and built when needed)
#
# Environment: BENCH_LOAD (busy loops on other cores while it plays, default 0), BENCH_TUNE (1: the
# whole tune, default 1), BENCH_KEEP (a folder to keep the recordings in), BENCH_FAULTS (0: leave the
# faults out, default 1).
# Installs what it needs (scripts/setup.sh): Debian's pulseaudio, pulseaudio-utils, sox, python3 and
# python3-numpy (its helpers run on /usr/bin/python3), besides what the build needs.
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh" pulseaudio pulseaudio-utils sox python3 python3-numpy >&2
mkdir -p "${1:-$here/build}"
build="$(cd "${1:-$here/build}" && pwd)"
# Built every time: a probe older than the module beside the program would be refused it, and silent.
"$here/scripts/bench/build-targets.sh" "$build" parlour parlour_sound_probe parlour_tune_render
probe="$build/bench/parlour_sound_probe"
render="$build/bench/parlour_tune_render"
program_dir="$build/bin"

work="$(mktemp -d)"
export XDG_RUNTIME_DIR="$work/run" PULSE_RUNTIME_PATH="$work/run/pulse" HOME="$work/home"
unset DISPLAY # no sound server is named through the display's properties: only ours are in reach
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
pids=()
server=""
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    # A server stopped by a run that was cut short goes on, so that it can be told to end.
    [[ -z "$server" ]] || kill -CONT "$server" 2>/dev/null || true
    pulseaudio --kill 2>/dev/null || true
    if [[ -n "${BENCH_KEEP:-}" ]]; then mkdir -p "$BENCH_KEEP"; cp "$work"/* "$BENCH_KEEP"/ 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

start_server() {
    pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit -n \
        --load="module-native-protocol-unix" --load="module-null-sink sink_name=bench rate=44100" \
        --log-target=file:"$work/pulse.log" 2>/dev/null
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl set-default-sink bench
    server="$(cat "$PULSE_RUNTIME_PATH/pid")"
}

# Records the monitor, time-stamping each chunk as it arrives, so a frame's time can be told.
record() {
    /usr/bin/python3 - "$1" <<'PY' &
import subprocess, sys, time, struct
out = open(sys.argv[1], 'wb'); stamps = open(sys.argv[1] + '.t', 'w')
p = subprocess.Popen(['parec', '-d', 'bench.monitor', '--format=s16le', '--rate=44100', '--channels=2',
                      '--latency-msec=5', '--raw'], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, bufsize=0)
frames = 0
while True:
    chunk = p.stdout.read(4096)
    if not chunk:
        break
    t = time.monotonic()
    out.write(chunk); frames += len(chunk) // 4
    stamps.write('%.6f %d\n' % (t, frames))
PY
    pids+=($!)
    # The recording has begun once its first chunks are in.
    for _ in $(seq 100); do [[ -s "$1.t" ]] && (( $(wc -l < "$1.t") >= 10 )) && break; sleep 0.05; done
}

load=()
for _ in $(seq "${BENCH_LOAD:-0}"); do
    ( while :; do :; done ) & load+=($!) pids+=($!)
done

start_server
record "$work/play.raw"
sleep 0.5

waves=(Applause Busted Chord Click CountScore HighScore Markq Slide Snap Tick TwentyOne Wingame)
steps=(mem:start wave:Busted.wav sleep:1.2 mem:first-sound)
for w in "${waves[@]}"; do
    len="$(soxi -D "$program_dir/$w.wav")"
    steps+=("wave:$w.wav" "sleep:$(/usr/bin/python3 -c "print(round($len + 0.4, 2))")")
done
for _ in $(seq 6); do steps+=(wave:Click.wav sleep:1.3); done
for _ in $(seq 30); do steps+=(wave:Snap.wav sleep:0.06); done
steps+=(sleep:0.6)
for _ in $(seq 8); do steps+=(wave:Tick.wav sleep:0.5); done
steps+=(sleep:3 cpu:silent-after-sounds:3 streams:silent-after-sounds)
if [[ "${BENCH_TUNE:-1}" == 1 ]]; then
    steps+=(tune cpu:tune-playing:52 sleep:1 mem:after-tune sleep:2 cpu:silent-after-tune:3 streams:silent-after-tune)
fi
"$probe" "$program_dir" "${steps[@]}" > "$work/play.log" 2>"$work/probe.err"
sleep 0.5
kill "${pids[-1]}" 2>/dev/null || true
"$render" "$program_dir/Corvanta.MID" "$work/offline.raw" || true

# The server goes away under the running program, while the tune plays, and comes back; the next
# sound and the next tune are heard.
"$probe" "$program_dir" tune wave:Click.wav sleep:1 stop wave:Click.wav sleep:4 wave:Click.wav sleep:3 \
    wave:Click.wav sleep:1 tune sleep:3 stop sleep:0.5 > "$work/restart.log" 2>"$work/restart.err" &
probe_pid=$!
sleep 0.5
pulseaudio --kill; sleep 0.3
sleep 1.5            # the second Click falls while there is no server
start_server
record "$work/restart.raw"
wait "$probe_pid" || true
sleep 0.3
kill "${pids[-1]}" 2>/dev/null || true
# The server is killed under a playing tune and a new one started at once, as a desktop's session
# does, and nothing is asked of the program: the tune is looked for, and where in it it goes on.
record "$work/lost-tune-before.raw" # ends with the server
"$probe" "$program_dir" tune sleep:12 stop sleep:0.5 > "$work/lost-tune.log" 2>"$work/lost-tune.err" &
probe_pid=$!
sleep 4
monotonic() { /usr/bin/python3 -c 'import time; print(time.monotonic())'; }
echo "$(monotonic) kill" > "$work/lost-tune.times"
kill -9 "$server"; while kill -0 "$server" 2>/dev/null; do sleep 0.02; done
start_server
echo "$(monotonic) up" >> "$work/lost-tune.times"
record "$work/lost-tune-after.raw"
wait "$probe_pid" || true
sleep 0.3
kill "${pids[-1]}" 2>/dev/null || true
for pid in "${load[@]}"; do kill "$pid" 2>/dev/null || true; done

/usr/bin/python3 "$here/scripts/bench/sound_report.py" "$work" "$program_dir"
[[ "${BENCH_FAULTS:-1}" == 1 ]] || exit 0

# Each run under a fault is bounded: the probe is cut off (and its threads read first) at its limit.
#   run_probe <log name> <limit s> [--signal <at s>:<STOP|CONT>:<pid>]... -- <program folder> <step>...
run_probe() {
    local name=$1 limit=$2 options=()
    shift 2
    while [[ $1 != -- ]]; do options+=("$1"); shift; done
    shift
    /usr/bin/python3 "$here/scripts/bench/probe_run.py" --log "$work/$name.log" --limit "$limit" "${options[@]}" \
        -- "$probe" "$@"
}
# A program folder of its own, with the module built with the program, its sounds and its tune.
copy_program() {
    mkdir -p "$1"
    cp "$program_dir"/*.wav "$program_dir"/Corvanta.MID "$program_dir"/libparlour_sound.so "$1"/
}

# The server stops for 10 s under the tune, and a Click every 0.3 s from just after it stopped (so
# that the first opens the sounds' stream), and goes on; then the tune is stopped, and the Clicks and
# the tune after it are looked for in the recording.
record "$work/stall.raw"
steps=(watch:start tune sleep:2.5)
for _ in $(seq 40); do steps+=(wave:Click.wav sleep:0.3); done
steps+=(watch:stalled stop sleep:1 wave:Click.wav sleep:1 wave:Click.wav sleep:1 tune sleep:3 stop sleep:0.5 watch:after)
run_probe stall 60 --signal "2:STOP:$server" --signal "12:CONT:$server" -- "$program_dir" "${steps[@]}"
kill "${pids[-1]}" 2>/dev/null || true
# The program quits while the server is stopped; the server goes on 10 s after it stopped, whatever.
steps=(watch:start tune sleep:1)
for _ in $(seq 5); do steps+=(wave:Click.wav sleep:0.3); done
steps+=(sleep:2.5 watch:before-quit)
run_probe stall-quit 40 --signal "3.5:STOP:$server" --signal "13.5:CONT:$server" -- "$program_dir" "${steps[@]}"

# The only server named is a socket that takes connections and never answers; then one at which
# nothing listens any more.
pulseaudio --kill; server=""
for _ in $(seq 50); do [[ -e "$PULSE_RUNTIME_PATH/pid" ]] || break; sleep 0.1; done
/usr/bin/python3 - "$work/silent.sock" <<'PY' &
import socket, sys
s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(64)
held = []
while True:
    held.append(s.accept()[0])
PY
pids+=($!)
for _ in $(seq 50); do [[ -S "$work/silent.sock" ]] && break; sleep 0.1; done
/usr/bin/python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$work/refused.sock"
steps=(watch:start wave:Click.wav sleep:0.5 wave:Click.wav sleep:0.5 tune sleep:1 stop sleep:0.5 wave:Click.wav sleep:0.5 watch:end)
PULSE_SERVER="unix:$work/silent.sock" run_probe silent 75 -- "$program_dir" "${steps[@]}"
PULSE_SERVER="unix:$work/refused.sock" run_probe refused 20 -- "$program_dir" "${steps[@]}"
kill "${pids[-1]}" 2>/dev/null || true

start_server
# A 16 MB WAV at 4000 Hz, 8-bit mono, as Chord.wav, played twice.
copy_program "$work/long"
/usr/bin/python3 "$here/scripts/bench/fault_files.py" long-wav "$work/long/Chord.wav"
run_probe long-wav 40 -- "$work/long" watch:start threads:before wave:Chord.wav sleep:1 watch:first threads:first \
    wave:Chord.wav sleep:1 watch:second threads:second

# A damaged tune, and one of a million note-ons at tick 0: the tune, three Clicks, stop, quit.
steps=(watch:start threads:start tune sleep:1 wave:Click.wav sleep:0.5 wave:Click.wav sleep:0.5 wave:Click.wav sleep:0.5
    stop sleep:0.5 watch:end threads:end)
for kind in damaged flood; do
    copy_program "$work/$kind"
    /usr/bin/python3 "$here/scripts/bench/fault_files.py" "$kind-tune" "$work/$kind/Corvanta.MID"
done
run_probe damaged-tune 20 -- "$work/damaged" "${steps[@]}"
run_probe flood-tune 45 -- "$work/flood" "${steps[@]}"

/usr/bin/python3 "$here/scripts/bench/fault_report.py" "$work" "$program_dir"
