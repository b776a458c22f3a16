// What scripts/bench-sound.sh drives: the program's own sound path (platform::playWave and the tune,
// which load the sound module built with it), stepped by the arguments, each step time-stamped on the
// monotonic clock so the recording of the sound server can be laid against it. Not part of the suite.
//
//   parlour_sound_probe <program folder> <step>...
//   steps: wave:<file>  tune  stop  sleep:<s>  cpu:<label>:<s>  mem:<label>  streams:<label>
//          watch:<label>  threads:<label>
//
// The steps run on the event loop's thread, as clicks would on the window's: a sound call that
// blocks keeps the loop from its timers, and from the first watch step on the loop is watched
// (LoopWatch). Each call is followed
// by "took <step> <ms>"; watch:<label> prints the longest busy stretch, the longest step of a 1 s
// clock and the longest call since the last watch; threads:<label> the CPU of this thread and the
// others, and the memory. A stretch over 100 ms is told when it ends ("stretch"), and while it lasts
// ("stalled <ms so far>"). After the last step "done" is printed and the application quits as the
// program does, tearing the sound module down.
#include "platform/Audio.h"

#include "LoopWatch.h"
#include "SoundModuleFingerprint.h"
#include "ThreadTimes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

double now(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

void say(const QString& what) { std::printf("%.6f %s\n", now(CLOCK_MONOTONIC), qPrintable(what)), std::fflush(stdout); }

// Runs the event loop, as the window's thread would between clicks.
void idle(double seconds)
{
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

QString status(const ThreadTimes& times) { return QStringLiteral("rss=%1 kB peak=%2 kB threads=%3").arg(times.rssKb).arg(times.peakRssKb).arg(times.live.size()); }

class Probe {
public:
    explicit Probe(const QString& folder) : m_folder(folder) {}

    // The last step is done: what comes after is the quit, timed from outside.
    void stopWatching() { m_watch.reset(); }

    void run(const QString& step)
    {
        const QStringList part = step.split(QLatin1Char(':'));
        const QString verb = part[0];
        const QString tune = m_folder + QStringLiteral("/Corvanta.MID");
        if (verb == QLatin1String("wave")) {
            timed(step, [&] { platform::playWave(m_folder + QLatin1Char('/') + part.value(1)); });
        } else if (verb == QLatin1String("tune")) {
            timed(step, [&] {
                platform::openMidi(tune);
                platform::playMidi();
            });
        } else if (verb == QLatin1String("stop")) {
            timed(step, [] { platform::closeMidi(); });
        } else if (verb == QLatin1String("sleep")) {
            idle(part.value(1).toDouble());
        } else if (verb == QLatin1String("cpu")) {
            const double wall = now(CLOCK_MONOTONIC), cpu = now(CLOCK_PROCESS_CPUTIME_ID);
            idle(part.value(2).toDouble());
            const double share = (now(CLOCK_PROCESS_CPUTIME_ID) - cpu) / (now(CLOCK_MONOTONIC) - wall);
            say(QStringLiteral("cpu %1 %2").arg(part.value(1)).arg(share * 100, 0, 'f', 2));
        } else if (verb == QLatin1String("mem")) {
            say(QStringLiteral("mem %1 %2").arg(part.value(1), status(ThreadTimes::read())));
        } else if (verb == QLatin1String("streams")) {
            QProcess pactl;
            pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
            pactl.waitForFinished();
            const int open = pactl.readAllStandardOutput().count('\n');
            say(QStringLiteral("streams %1 %2").arg(part.value(1)).arg(open));
        } else if (verb == QLatin1String("watch")) {
            if (!m_watch)
                startWatching();
            const LoopWatch::Figures f = m_watch->take();
            say(QStringLiteral("watch %1 busy=%2 clock=%3 call=%4")
                    .arg(part.value(1))
                    .arg(f.busyMs, 0, 'f', 1)
                    .arg(f.clockStepMs, 0, 'f', 1)
                    .arg(m_longestCallMs, 0, 'f', 1));
            m_longestCallMs = 0;
        } else if (verb == QLatin1String("threads")) {
            say(QStringLiteral("threads %1 %2").arg(part.value(1), ThreadTimes::read().summary(int(getpid()))));
        }
    }

private:
    void startWatching()
    {
        m_watch = std::make_unique<LoopWatch>(
            100,
            [](const LoopWatch::Figures& f) {
                say(QStringLiteral("stretch busy=%1 clock=%2").arg(f.busyMs, 0, 'f', 1).arg(f.clockStepMs, 0, 'f', 1));
            },
            [](double soFarMs) { say(QStringLiteral("stalled %1").arg(soFarMs, 0, 'f', 0)); });
    }

    void timed(const QString& step, const std::function<void()>& call)
    {
        say(step);
        QElapsedTimer clock;
        clock.start();
        call();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        m_longestCallMs = std::max(m_longestCallMs, ms);
        say(QStringLiteral("took %1 %2").arg(step).arg(ms, 0, 'f', 1));
    }

    QString m_folder;
    std::unique_ptr<LoopWatch> m_watch; // from the first watch step on, so that other runs pay nothing for it
    double m_longestCallMs = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return 2;
    const QString folder = args[1];
    platform::setSoundModule(folder, {BuiltSoundModuleSize, BuiltSoundModuleSha256});
    Probe probe(folder);
    QTimer::singleShot(0, &app, [&] {
        for (const QString& step : args.mid(2))
            probe.run(step);
        probe.stopWatching();
        say(QStringLiteral("done"));
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}
