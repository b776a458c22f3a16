"""The figures of scripts/bench-sound.sh, from what it recorded: sound_report.py <recordings> <program folder>.

A frame of a recording is timed by the chunks it came in: each chunk was written when it arrived, so
the earliest arrival less the frames before it, near the moment asked about, is when a frame was heard.
"""
import sys, wave, numpy as np
work, folder = sys.argv[1], sys.argv[2]
RATE = 44100; THR = 0.003

class Recording:
    def __init__(self, name):
        data = np.frombuffer(open(f'{work}/{name}.raw', 'rb').read(), dtype='<i2').astype(np.float32) / 32768
        self.data = data[: len(data) // 2 * 2].reshape(-1, 2)
        self.stamps = np.loadtxt(f'{work}/{name}.raw.t', ndmin=2)
        self.start = float(self.stamps[0, 0])

    def frame(self, t):
        """The frame heard at monotonic time t, from the chunks that arrived in the 3 s after it."""
        near = self.stamps[(self.stamps[:, 0] >= t) & (self.stamps[:, 0] <= t + 3)]
        if not len(near):
            near = self.stamps[-20:]
        return int(round((t - float(np.min(near[:, 0] - near[:, 1] / RATE))) * RATE))

def events(name):
    out = []
    for line in open(f'{work}/{name}.log'):
        t, what = line.split(' ', 1)
        out.append((float(t), what.strip()))
    return out

def clip(name):
    w = wave.open(f'{folder}/{name}')
    x = np.frombuffer(w.readframes(w.getnframes()), dtype='<i2').astype(np.float32) / 32768
    return x, w.getframerate()

def sounds(rec, evs):
    """Each sound's onset, found where the recording best matches the file, and the share of the
    file's energy heard from there, up to where the next call cut it."""
    data = rec.data[:, 0]
    calls = [(t, w.split(':', 1)[1]) for t, w in evs if w.startswith('wave:')]
    marks = [t for t, w in evs if w.startswith(('wave:', 'tune', 'stop'))]
    rows = []
    for t, name in calls:
        own, rate = clip(name)
        ref = np.interp(np.arange(int(len(own) * RATE / rate)) * rate / RATE, np.arange(len(own)), own)
        later = [m for m in marks if m > t + 1e-6]
        a = rec.frame(t)
        if a < 0:
            continue  # before the recording began
        cut = rec.frame(later[0]) if later else a + len(ref) + RATE
        span = len(ref)
        seg = data[a:a + int(0.4 * RATE) + span]
        if len(seg) < span or np.max(np.abs(seg[:max(cut - a, 1) + int(0.4 * RATE)]), initial=0) <= THR:
            rows.append((name, None, 0.0)); continue
        # The lag where the file matches the recording best, within 400 ms of the call.
        n = 1 << int(np.ceil(np.log2(len(seg) + span)))
        corr = np.fft.irfft(np.fft.rfft(seg, n) * np.conj(np.fft.rfft(ref, n)), n)[: max(1, min(int(0.4 * RATE), cut - a))]
        lag = int(np.argmax(corr))
        heard_span = max(0, min(span, cut - (a + lag)))
        heard = float(np.sum(data[a + lag:a + lag + heard_span] ** 2))
        whole = float(np.sum(own[:heard_span * rate // RATE] ** 2)) * RATE / rate  # at the file's own rate
        rows.append((name, lag / RATE, heard / whole if whole else 0.0))
    return rows

def report_sounds(rows, title):
    print(f'\n{title}')
    print(f'  {"sound":<16}{"onset ms":>9}{"heard %":>9}')
    for name, onset, share in rows:
        print(f'  {name:<16}{"silent" if onset is None else f"{onset*1000:9.0f}":>9}{share*100:9.0f}')

def playing(x):
    loud = np.nonzero(np.max(np.abs(x), axis=1) > THR)[0]
    return (int(loud[0]), int(loud[-1])) if len(loud) else (0, 0)

def gaps(x, a, b):
    quiet = np.max(np.abs(x[a:b]), axis=1) < 1e-4
    edges = np.diff(np.concatenate(([0], quiet.astype(np.int8), [0])))
    starts, ends = np.nonzero(edges == 1)[0], np.nonzero(edges == -1)[0]
    runs = (ends - starts)[(ends - starts) >= RATE * 0.002]
    return len(runs), float(np.sum(runs)) / RATE

rec = Recording('play')
data = rec.data
evs = events('play')
rows = sounds(rec, evs)
first = rows[0]; each = rows[1:13]; repeats = rows[13:19]; countup = rows[19:49]; ticks = rows[49:57]
report_sounds([first], 'First sound of the run (module load included)')
report_sounds(each, 'First play of each file')
report_sounds(repeats, 'Click six times, 1.3 s apart')
heard = [r for r in countup if r[1] is not None]
ons = [r[1] * 1000 for r in heard]
print(f'\nCount-up: 30 Snaps 60 ms apart: {len(heard)} heard, onset {min(ons, default=0):.0f}-{max(ons, default=0):.0f} ms, '
      f'share heard {min((r[2] for r in countup), default=0)*100:.0f}-{max((r[2] for r in countup), default=0)*100:.0f} %')
report_sounds(ticks, 'Tick eight times')

tune_at = [t for t, w in evs if w == 'tune']
if tune_at:
    off = np.fromfile(f'{work}/offline.raw', dtype='<f4').reshape(-1, 2)
    oa, ob = playing(off)
    a = rec.frame(tune_at[0])
    b = a + int(RATE * 56)
    pa, pb = playing(data[a:b]); pa += a; pb += a
    n, total = gaps(data, pa, pb)
    on, ototal = gaps(off, oa, ob)
    length, olength = (pb - pa) / RATE, (ob - oa) / RATE
    print(f'\nTune: onset {(pa - a - oa) / RATE * 1000:.0f} ms, heard for {length:.2f} s against {olength:.2f} s offline '
          f'({(length / olength - 1) * 100:+.1f} %); gaps of 2 ms or more: {n}, {total * 1000:.0f} ms in all '
          f'({total / length * 100:.1f} % of its time); offline: {on} gaps')
print()
for t, w in evs:
    if w.startswith(('cpu', 'mem', 'streams')):
        kind, rest = w.split(' ', 1)
        print(f'  {kind:<8}{rest}' + (' % of a core' if kind == 'cpu' else ' streams open' if kind == 'streams' else ''))

rrec = Recording('restart')
rdata = rrec.data
revs = events('restart')
rrows = sounds(rrec, [e for e in revs if e[0] > rrec.start + 0.2])
print('\nAfter the sound server restarted under the running program:')
for name, onset, share in rrows:
    print(f'  {name}: ' + ('silent' if onset is None else f'heard, onset {onset*1000:.0f} ms, {share*100:.0f} %'))
rt = [t for t, w in revs if w == 'tune']
if rt:
    a = rrec.frame(rt[-1]); seg = rdata[max(a, 0):a + RATE * 3]
    print('  tune: ' + ('heard' if np.max(np.abs(seg), initial=0) > THR else 'silent'))
print(f'  every call returned: {"yes" if len(revs) == 8 else "no"} ({len(revs)} of 8 steps logged)')
