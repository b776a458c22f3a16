"""Runs a command (the sound probe) with its output going to a log, bounded in time, and logs on the
monotonic clock when it ended, as the probe stamps its own lines.

  probe_run.py --log FILE --limit S [--signal AT:SIGNAL:PID]... -- command...

Each --signal is sent AT seconds after the start to another process (a sound server stopped and let
go on) and logged; one still due when the command has ended is sent at its time all the same. A
command that has not ended within S seconds has its threads' CPU time and its memory read from /proc
and logged ("threads at-kill ..."), and is then killed ("killed after S s"); else "exited rc=N".
"""
import argparse, os, select, signal, subprocess, time


def say(log, text):
    log.write(b'%.6f %s\n' % (time.monotonic(), text.encode()))


def stat(path):
    """A thread's name and CPU seconds: the name is in brackets and may hold anything, so the
    fields are counted from the last ')'; user and system time are the 14th and 15th."""
    line = open(path).read()
    fields = line[line.rindex(')') + 2:].split()
    return line[line.index('(') + 1:line.rindex(')')].replace(' ', '_'), (int(fields[11]) + int(fields[12])) / os.sysconf('SC_CLK_TCK')


def threads(pid):
    """The same summary the probe prints for its threads: step."""
    total = stat(f'/proc/{pid}/stat')[1]
    live = []
    for tid in sorted(os.listdir(f'/proc/{pid}/task'), key=int):
        try:
            live.append((int(tid),) + stat(f'/proc/{pid}/task/{tid}/stat'))
        except OSError:
            pass  # ended meanwhile
    status = dict(line.split(':', 1) for line in open(f'/proc/{pid}/status') if ':' in line)
    kb = lambda key: int(status[key].split()[0]) if key in status else 0
    window = next((cpu for tid, _, cpu in live if tid == pid), 0.0)
    return (f'window={window:.2f} others={total - window:.2f} rss={kb("VmRSS")} peak={kb("VmHWM")} live='
            + ','.join(f'{name}:{cpu:.2f}' for _, name, cpu in live))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--log', required=True)
    parser.add_argument('--limit', type=float, required=True)
    parser.add_argument('--signal', action='append', default=[])
    parser.add_argument('command', nargs='+')
    args = parser.parse_args()
    due = sorted((float(at), getattr(signal, 'SIG' + name), name, int(pid))
                 for at, name, pid in (s.split(':') for s in args.signal))
    # Opened for appending, unbuffered: the probe's lines and ours go in whole and in order.
    log = open(args.log, 'ab', buffering=0)
    start = time.monotonic()
    proc = subprocess.Popen(args.command, stdout=log, stderr=open(args.log + '.err', 'wb'))
    ended = os.pidfd_open(proc.pid)
    running = True
    while running or due:
        elapsed = time.monotonic() - start
        wake = min(([due[0][0]] if due else []) + ([args.limit] if running else []))
        ready, _, _ = select.select([ended] if running else [], [], [], max(0.0, wake - elapsed))
        if ready:
            say(log, f'exited rc={proc.wait()}')
            running = False
        elif running and time.monotonic() - start >= args.limit:
            try:
                say(log, 'threads at-kill ' + threads(proc.pid))
            except OSError:
                pass
            proc.kill()
            proc.wait()
            say(log, f'killed after {args.limit:g} s')
            running = False
        while due and time.monotonic() - start >= due[0][0]:
            _, number, name, pid = due.pop(0)
            try:
                os.kill(pid, number)
                say(log, f'signal {name} {pid}')
            except ProcessLookupError:
                say(log, f'signal {name} {pid} (no such process)')


if __name__ == '__main__':
    main()
