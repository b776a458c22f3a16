#pragma once
// The CPU time of this process's threads, each under its name, and its memory, read from /proc.
#include <QList>
#include <QString>

struct ThreadTime {
    int id = 0;
    QString name;
    double cpuSeconds = 0;
};

struct ThreadTimes {
    double processCpuSeconds = 0; // threads that have ended included
    QList<ThreadTime> live;
    qint64 rssKb = 0;
    qint64 peakRssKb = 0;

    static ThreadTimes read();

    double windowCpuSeconds(int windowThreadId) const;
    // One line: window=<s> others=<s> rss=<kB> peak=<kB> live=<name>:<s>,...
    QString summary(int windowThreadId) const;
};
