#include "platform/ItemReader.h"

#include <QFile>

namespace platform {

namespace {
QStringList splitItems(const QString& contents)
{
    QStringList items;
    QString text = contents;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));
    // A final line end does not start another item.
    const qsizetype count = (!lines.isEmpty() && lines.last().isEmpty()) ? lines.size() - 1 : lines.size();
    for (qsizetype l = 0; l < count; ++l) {
        const QString& line = lines[l];
        QString item;
        bool quoted = false;
        bool wasQuoted = false;
        for (const QChar c : line) {
            if (c == QLatin1Char('"')) {
                quoted = !quoted;
                wasQuoted = true;
            } else if (c == QLatin1Char(',') && !quoted) {
                items << (wasQuoted ? item : item.trimmed());
                item.clear();
                wasQuoted = false;
            } else {
                item += c;
            }
        }
        items << (wasQuoted ? item : item.trimmed());
    }
    return items;
}
} // namespace

ItemReader::ItemReader(const QString& contents) : m_items(splitItems(contents)) {}

ItemReader ItemReader::fromFile(const QString& path, bool* opened)
{
    QFile f(path);
    const bool ok = f.open(QIODevice::ReadOnly);
    if (opened)
        *opened = ok;
    return ItemReader(ok ? QString::fromLatin1(f.readAll()) : QString());
}

QString ItemReader::next() { return atEnd() ? QString() : m_items[m_next++]; }

} // namespace platform
