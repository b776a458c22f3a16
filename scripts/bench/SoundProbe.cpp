// What scripts/bench-sound.sh drives: the program's own sound path (platform::playWave and the tune,
// which load the sound module built with it), stepped by the arguments, each step time-stamped on the
// monotonic clock so the recording of the sound server can be laid against it. Not part of the suite.
//
//   parlour_sound_probe <program folder> <step>...
//   steps: wave:<file>  tune  stop  sleep:<s>  cpu:<label>:<s>  mem:<label>  streams:<label>
#include "platform/Audio.h"

#include "SoundModuleFingerprint.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <ctime>

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

QString status(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return QString::fromLatin1(line.mid(qsizetype(qstrlen(key)))).simplified();
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return 2;
    const QString folder = args[1];
    platform::setSoundModule(folder, {BuiltSoundModuleSize, BuiltSoundModuleSha256});
    const QString tune = folder + QStringLiteral("/Corvanta.MID");
    for (const QString& step : args.mid(2)) {
        const QStringList part = step.split(QLatin1Char(':'));
        const QString verb = part[0];
        if (verb == QLatin1String("wave")) {
            say(step);
            platform::playWave(folder + QLatin1Char('/') + part.value(1));
        } else if (verb == QLatin1String("tune")) {
            say(step);
            platform::openMidi(tune);
            platform::playMidi();
        } else if (verb == QLatin1String("stop")) {
            say(step);
            platform::closeMidi();
        } else if (verb == QLatin1String("sleep")) {
            idle(part.value(1).toDouble());
        } else if (verb == QLatin1String("cpu")) {
            const double wall = now(CLOCK_MONOTONIC), cpu = now(CLOCK_PROCESS_CPUTIME_ID);
            idle(part.value(2).toDouble());
            const double share = (now(CLOCK_PROCESS_CPUTIME_ID) - cpu) / (now(CLOCK_MONOTONIC) - wall);
            say(QStringLiteral("cpu %1 %2").arg(part.value(1)).arg(share * 100, 0, 'f', 2));
        } else if (verb == QLatin1String("mem")) {
            say(QStringLiteral("mem %1 rss=%2 threads=%3").arg(part.value(1), status("VmRSS:"), status("Threads:")));
        } else if (verb == QLatin1String("streams")) {
            QProcess pactl;
            pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
            pactl.waitForFinished();
            const int open = pactl.readAllStandardOutput().count('\n');
            say(QStringLiteral("streams %1 %2").arg(part.value(1)).arg(open));
        }
    }
    return 0;
}
