"""The figures of scripts/bench-sound.sh's second part (a stalled server, a server that never
answers, a long low-rate WAV, a damaged and a flooding tune), from the probe's logs and the
recording of the stall: fault_report.py <recordings> <program folder>.

Loop figures are taken from the probe's lines before it said "done": "stretch" and "watch" lines
give the longest busy stretch of its event loop (the window's thread) and the longest step of its
1 s clock; "stalled" lines a stretch still going on, so a run cut off in one reports more than its
length so far. "took" lines give each sound call's time; quitting is "done" to the process's end.
"""
import re, sys, numpy as np
from recordings import RATE, THR, Recording, events, sounds
work, folder = sys.argv[1], sys.argv[2]


def fields(text):
    return {k: v for k, v in re.findall(r'(\w+)=(\S+)', text)}


class Figure:
    """A time in ms, or more than it when the run was cut off before it ended."""
    def __init__(self, ms=None, more=False):
        self.ms, self.more = ms, more

    def __str__(self):
        if self.ms is None:
            return '-'
        return f'>{self.ms:.0f}' if self.more else f'{self.ms:.0f}'


class Run:
    def __init__(self, name):
        self.evs = events(work, name)
        first = lambda prefix: next((t for t, w in self.evs if w.startswith(prefix)), None)
        self.done, self.exited, self.killed = first('done'), first('exited'), first('killed')
        self.limit = next((w.split()[2] for t, w in self.evs if w.startswith('killed')), None)
        until = self.done if self.done is not None else float('inf')
        self.loop = [(t, w) for t, w in self.evs if t < until]
        self.threads = {w.split()[1]: fields(w) for t, w in self.evs if w.startswith('threads ')}
        self.cut = self.killed is not None and self.done is None

    def ongoing_ms(self):
        """How long the stretch going on when the run was cut off had lasted, if one was."""
        if not self.cut:
            return 0.0
        last = [(t, w) for t, w in self.loop if not w.startswith(('threads at-kill', 'killed', 'signal', 'exited'))]
        if not last or not last[-1][1].startswith('stalled'):
            return 0.0
        t, w = last[-1]
        return (self.killed - (t - float(w.split()[1]) / 1000)) * 1000

    def busy(self):
        seen = [float(fields(w)['busy']) for t, w in self.loop if w.startswith(('stretch', 'watch'))]
        ongoing = self.ongoing_ms()
        return Figure(max(seen + [ongoing], default=0.0), ongoing > 0)

    def clock(self):
        seen = [float(fields(w)['clock']) for t, w in self.loop if w.startswith(('stretch', 'watch'))]
        ongoing = self.ongoing_ms()
        return Figure(max(seen + [ongoing], default=0.0), ongoing > 0)

    def call(self, step=None):
        """The longest sound call (of `step` alone when given), one still going on when cut off
        counted from its start."""
        took = [float(w.split()[2]) for t, w in self.loop if w.startswith('took ') and (step is None or w.split()[1] == step)]
        calls = [(t, w) for t, w in self.loop if w.startswith(('wave:', 'tune', 'stop', 'took '))]
        if self.cut and calls and not calls[-1][1].startswith('took ') and (step is None or calls[-1][1] == step):
            return Figure((self.killed - calls[-1][0]) * 1000, True)
        return Figure(max(took) if took else None)

    def took(self, step):
        return [Figure(float(w.split()[2])) for t, w in self.loop if w.startswith('took ') and w.split()[1] == step]

    def quit(self):
        if self.done is None:
            return Figure()
        if self.exited is not None:
            return Figure((self.exited - self.done) * 1000)
        return Figure((self.killed - self.done) * 1000, True)

    def ending(self):
        if self.exited is not None:
            return 'ended'
        return f'hung: cut off after {self.limit} s' + ('' if self.done is None else ' while quitting')

    def last_threads(self):
        return self.threads.get('at-kill') or (list(self.threads.values())[-1] if self.threads else {})

    def signal(self, name):
        return next((t for t, w in self.evs if w.startswith(f'signal {name}')), None)


def row(widths, *cells):
    print('  ' + ''.join(f'{str(c):<{w}}' if i == 0 else f'{str(c):>{w}}' for i, (c, w) in enumerate(zip(cells, widths))))


def cpu(later, earlier, key):
    try:
        return f'{float(later[key]) - float(earlier.get(key, 0)):.2f}'
    except (KeyError, ValueError):
        return '-'


def mb(reading, key):
    return f'{int(reading[key]) / 1024:.0f}' if key in reading else '-'


print('\nUnder faults: the probe\'s event loop stands for the window\'s thread. busy: its longest busy stretch;')
print('clock: the longest step of a 1 s round clock on it; call: the longest sound call; quit: from the last step')
print('to the process\'s end (the sound module torn down); all in ms, ">" where the run was cut off before it ended.')

# A stalled server.
stall, stall_quit = Run('stall'), Run('stall-quit')
cont = stall.signal('CONT')
heard = '-'
if cont is not None:
    rec = Recording(work, 'stall')
    stop_after = next((t for t, w in stall.evs if t > cont and w == 'stop'), cont)
    after = [(t, w) for t, w in stall.evs if t > max(cont + 0.5, stop_after)]
    clicks = sounds(rec, after, folder)
    tune_at = next((t for t, w in after if w == 'tune'), None)
    tune = '-'
    if tune_at is not None:
        a = rec.frame(tune_at) + RATE // 2
        tune = 'tune heard' if np.max(np.abs(rec.data[max(a, 0):a + RATE * 2]), initial=0) > THR else 'tune silent'
    heard = f'Click heard {sum(r[1] is not None for r in clicks)} of {len(clicks)}, {tune}'
quit_cont, quit_end = stall_quit.signal('CONT'), stall_quit.exited or stall_quit.killed
ended = '-'
if quit_cont is not None and quit_end is not None:
    lag = quit_end - quit_cont
    ended = f'{"exited" if stall_quit.exited else "cut off"} {abs(lag):.2f} s {"after" if lag >= 0 else "before"} CONT'
print('\nA stalled sound server: kill -STOP for 10 s, then kill -CONT; the tune playing and a Click every 0.3 s')
w = (34, 9, 9, 9, 9, 3)
row(w, 'run', 'busy', 'clock', 'call', 'quit', '  after CONT')
row(w, 'playing through the stop', stall.busy(), stall.clock(), stall.call(), stall.quit(), '  ' + heard)
row(w, 'quitting while stopped', stall_quit.busy(), stall_quit.clock(), stall_quit.call(), stall_quit.quit(), '  ' + ended)

print('\nPULSE_SERVER at a unix socket, no other server: Click, Click, the tune, stop, Click')
row(w, 'socket', 'busy', 'clock', 'call', 'quit', '  end')
for name, title in (('silent', 'accepts and never answers'), ('refused', 'nothing listening')):
    run = Run(name)
    row(w, title, run.busy(), run.clock(), run.call(), run.quit(), '  ' + run.ending())

long = Run('long-wav')
print('\nA valid 16 MB 8-bit mono WAV at 4000 Hz as Chord.wav, played twice (CPU in s over each play and the 1 s after)')
w2 = (10, 9, 9, 12, 14, 12, 12, 10)
row(w2, 'Chord', 'call', 'busy', 'window CPU', 'others\' CPU', 'RSS MB', 'after MB', 'peak MB')
watch = {wl.split()[1]: fields(wl) for t, wl in long.loop if wl.startswith('watch ')}
calls = long.took('wave:Chord.wav')
for i, (earlier, label) in enumerate((('before', 'first'), ('first', 'second'))):
    start = long.threads.get(earlier, {})
    if label in watch:
        call, busy, after = calls[i], Figure(float(watch[label]['busy'])), long.threads.get(label, {})
    elif long.cut and (earlier == 'before' or earlier in watch):  # cut off during this play
        call, busy, after = long.call('wave:Chord.wav'), Figure(long.ongoing_ms(), True), long.threads.get('at-kill', {})
    else:
        continue
    row(w2, label, call, busy, cpu(after, start, 'window'), cpu(after, start, 'others'), mb(start, 'rss'), mb(after, 'rss'), mb(after, 'peak'))
if long.cut:
    print(f'  {long.ending()}')

print('\nCorvanta.MID damaged or flooding: the tune, three Clicks 0.5 s apart, stop, quit (CPU in s over the run)')
w3 = (30, 9, 9, 9, 14, 8, 9, 3)
row(w3, 'tune', 'busy', 'clock', 'call', 'others\' CPU', 'RSS MB', 'quit', '  end')
for name, title in (('damaged-tune', '32 damaged bytes'), ('flood-tune', 'a million note-ons at tick 0')):
    run = Run(name)
    last = run.last_threads()
    row(w3, title, run.busy(), run.clock(), run.call(), cpu(last, run.threads.get('start', {}), 'others'), mb(last, 'rss'),
        run.quit(), '  ' + run.ending())
