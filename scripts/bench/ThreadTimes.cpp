#include "ThreadTimes.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A stat line is "<id> (<name>) <state> ..."; the name may hold blanks and brackets, so the fields
// are counted from its last ')'. User and system time are the 14th and 15th fields.
bool parseStat(const QByteArray& stat, QString* name, double* cpuSeconds)
{
    const qsizetype open = stat.indexOf('('), close = stat.lastIndexOf(')');
    if (open < 0 || close < open)
        return false;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    if (fields.size() < 13)
        return false;
    *name = QString::fromUtf8(stat.mid(open + 1, close - open - 1)).replace(QLatin1Char(' '), QLatin1Char('_'));
    *cpuSeconds = double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
    return true;
}

qint64 statusKb(const QByteArray& status, const char* key)
{
    for (const QByteArray& line : status.split('\n'))
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

} // namespace

ThreadTimes ThreadTimes::read()
{
    const QString root = QStringLiteral("/proc/self");
    ThreadTimes times;
    QString name;
    parseStat(readAll(root + QStringLiteral("/stat")), &name, &times.processCpuSeconds);
    const QStringList ids = QDir(root + QStringLiteral("/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& id : ids) {
        ThreadTime thread;
        thread.id = id.toInt();
        if (parseStat(readAll(root + QStringLiteral("/task/") + id + QStringLiteral("/stat")), &thread.name, &thread.cpuSeconds))
            times.live.append(thread);
    }
    const QByteArray status = readAll(root + QStringLiteral("/status"));
    times.rssKb = statusKb(status, "VmRSS:");
    times.peakRssKb = statusKb(status, "VmHWM:");
    return times;
}

double ThreadTimes::windowCpuSeconds(int windowThreadId) const
{
    for (const ThreadTime& thread : live)
        if (thread.id == windowThreadId)
            return thread.cpuSeconds;
    return 0;
}

QString ThreadTimes::summary(int windowThreadId) const
{
    const double window = windowCpuSeconds(windowThreadId);
    QStringList each;
    for (const ThreadTime& thread : live)
        each << QStringLiteral("%1:%2").arg(thread.name).arg(thread.cpuSeconds, 0, 'f', 2);
    return QStringLiteral("window=%1 others=%2 rss=%3 peak=%4 live=%5")
        .arg(window, 0, 'f', 2)
        .arg(processCpuSeconds - window, 0, 'f', 2)
        .arg(rssKb)
        .arg(peakRssKb)
        .arg(each.join(QLatin1Char(',')));
}
