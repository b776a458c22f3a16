"""What the sound benchmark's reports share: the probe's logs, the recordings of the sink's monitor,
and the search for each sound in them.

A frame of a recording is timed by the chunks it came in: each chunk was written when it arrived, so
the earliest arrival less the frames before it, near the moment asked about, is when a frame was heard.
"""
import wave, numpy as np

RATE = 44100; THR = 0.003


class Recording:
    def __init__(self, work, name):
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


def events(work, name):
    """The lines of a probe's log, as (monotonic time, what)."""
    out = []
    for line in open(f'{work}/{name}.log'):
        t, what = line.split(' ', 1)
        out.append((float(t), what.strip()))
    return out


def clip(folder, name):
    w = wave.open(f'{folder}/{name}')
    x = np.frombuffer(w.readframes(w.getnframes()), dtype='<i2').astype(np.float32) / 32768
    return x, w.getframerate()


def sounds(rec, evs, folder):
    """Each sound's onset, found where the recording best matches the file, and the share of the
    file's energy heard from there, up to where the next call cut it."""
    data = rec.data[:, 0]
    calls = [(t, w.split(':', 1)[1]) for t, w in evs if w.startswith('wave:')]
    marks = [t for t, w in evs if w.startswith(('wave:', 'tune', 'stop'))]
    rows = []
    for t, name in calls:
        own, rate = clip(folder, name)
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
