"""The figures of scripts/bench-sound.sh's first part (the sounds, the tune, a server restarted), from
what it recorded: sound_report.py <recordings> <program folder>."""
import sys, numpy as np
from recordings import RATE, THR, Recording, events, sounds
work, folder = sys.argv[1], sys.argv[2]

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

rec = Recording(work, 'play')
data = rec.data
evs = events(work, 'play')
rows = sounds(rec, evs, folder)
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

rrec = Recording(work, 'restart')
rdata = rrec.data
revs = events(work, 'restart')
rrows = sounds(rrec, [e for e in revs if e[0] > rrec.start + 0.2], folder)
print('\nAfter the sound server restarted under the running program:')
for name, onset, share in rrows:
    print(f'  {name}: ' + ('silent' if onset is None else f'heard, onset {onset*1000:.0f} ms, {share*100:.0f} %'))
rt = [t for t, w in revs if w == 'tune']
if rt:
    a = rrec.frame(rt[-1]); seg = rdata[max(a, 0):a + RATE * 3]
    print('  tune: ' + ('heard' if np.max(np.abs(seg), initial=0) > THR else 'silent'))
returned = sum(w.startswith('took ') for _, w in revs)
print(f'  every call returned: {"yes" if returned == 8 else "no"} ({returned} of 8)')

# The tune lost with its server: heard again with nothing asked, and from where it was.
ltimes = dict((w, float(t)) for t, w in (line.split() for line in open(f'{work}/lost-tune.times')))
print('\nThe server killed under the tune and started again, nothing asked:')
W = RATE // 100  # a loudness envelope of 10 ms steps
envelope = lambda x: np.sqrt((x[: len(x) // W * W] ** 2).reshape(-1, W, 2).mean(axis=(1, 2)))
eo = envelope(np.fromfile(f'{work}/offline.raw', dtype='<f4').reshape(-1, 2))

def heard(name):
    """When the tune is first and last heard in a recording (monotonic time), and where in the tune."""
    r = Recording(work, name)
    e = envelope(r.data)
    loud = np.nonzero(e > 0.005)[0]
    if not len(loud):
        return None
    def place(a, b):
        match = [np.corrcoef(e[a:b], eo[k:k + b - a])[0, 1] for k in range(len(eo) - (b - a))]
        k = int(np.argmax(match))
        return k / 100, match[k]
    start = r.start - r.frame(r.start) / RATE  # the time of its first frame
    first, last = int(loud[0]), int(loud[-1])
    a = max(first, last - 300)
    return start + first / 100, place(first, first + 300), start + last / 100, place(a, last)[0] + (last - a) / 100

went, came = heard('lost-tune-before'), heard('lost-tune-after')
if went is None or came is None:
    print('  tune: ' + ('silent before the kill' if went is None else 'silent after the new server'))
else:
    print(f'  last heard {ltimes["kill"] - went[2]:.2f} s before the kill, {went[3]:.2f} s into the tune; heard again '
          f'{came[0] - ltimes["up"]:.2f} s after the new server answered ({ltimes["up"] - ltimes["kill"]:.2f} s after '
          f'the kill), {came[1][0]:.2f} s into the tune (envelope match {came[1][1]:.2f})')
