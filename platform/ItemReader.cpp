#include "platform/ItemReader.h"

#include "platform/TextFile.h"

namespace platform {

namespace {
bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
} // namespace

ItemReader::ItemReader(const QString& contents) : m_text(contents) {}

ItemReader ItemReader::fromFile(const QString& path, bool* opened)
{
    QByteArray bytes;
    const bool ok = readWholeFile(path, &bytes);
    if (opened)
        *opened = ok;
    return ItemReader(ok ? decodeText(bytes) : QString());
}

QString ItemReader::next()
{
    if (atEnd())
        return QString();
    // The item runs to a comma outside double quotes or to the line end; quotes are dropped and keep
    // the blanks they hold, other items lose their surrounding blanks.
    const QStringView all(m_text);
    const qsizetype size = all.size();
    const qsizetype start = m_pos;
    bool quoted = false;
    bool wasQuoted = false;
    qsizetype i = start;
    for (; i < size && !isLineEnd(all[i]) && (quoted || all[i] != QLatin1Char(',')); ++i) {
        if (all[i] == QLatin1Char('"')) {
            quoted = !quoted;
            wasQuoted = true;
        }
    }
    const QStringView raw = all.sliced(start, i - start);
    QString item = wasQuoted ? raw.toString().remove(QLatin1Char('"')) : raw.trimmed().toString();

    m_itemAfterComma = i < size && all[i] == QLatin1Char(',');
    if (m_itemAfterComma) {
        m_pos = i + 1;
    } else if (i < size) {
        // CR LF, LF and CR alone each end one line; a final line end starts no further item.
        m_pos = (all[i] == QLatin1Char('\r') && i + 1 < size && all[i + 1] == QLatin1Char('\n')) ? i + 2 : i + 1;
    } else {
        m_pos = size;
    }
    return item;
}

} // namespace platform
