#!/usr/bin/env bash
# Sound benchmark (not a test): what a player hears through a real sound server. A private
# PulseAudio with a null sink as its default sink is started (and stopped again), the program's own
# sound path plays every sound, repeats, a count-up and the tune through it (build/bench/
# parlour_sound_probe, which loads the sound module built with the program), and the sink's monitor
# is recorded. Prints for each sound its onset after the call and the share of its energy heard, the
# tune's gaps and length against its offline render, CPU and memory while playing and after, and
# whether an output stream stays open in silence. Then the server is restarted under the running
# program, and the next sound and tune are looked for.
#
#   scripts/bench-sound.sh [build-dir]     (default: build; configured and built when needed)
#
# Environment: BENCH_LOAD (busy loops on other cores while it plays, default 0), BENCH_TUNE (1: the
# whole tune, default 1), BENCH_KEEP (a folder to keep the recordings in).
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
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
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
for pid in "${load[@]}"; do kill "$pid" 2>/dev/null || true; done

/usr/bin/python3 "$here/scripts/bench/sound_report.py" "$work" "$program_dir"
