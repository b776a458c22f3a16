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
    // the blanks they hold (a doubled one inside gives one quote), and the blanks around the item,
    // outside any quotes, are dropped.
    const QStringView all(m_text);
    const qsizetype size = all.size();
    const qsizetype start = m_pos;
    const QChar quote = QLatin1Char('"');
    QString item; // with quotes taken out; made only once a quote shows
    qsizetype quotedEnd = 0; // the item's length up to the end of its last quoted text
    bool quoted = false;
    bool wasQuoted = false;
    qsizetype i = start;
    for (; i < size && !isLineEnd(all[i]) && (quoted || all[i] != QLatin1Char(',')); ++i) {
        if (all[i] != quote) {
            if (wasQuoted)
                item += all[i];
            if (quoted)
                quotedEnd = item.size();
            continue;
        }
        if (!wasQuoted) {
            qsizetype first = start;
            while (first < i && all[first].isSpace())
                ++first;
            item = all.sliced(first, i - first).toString();
            wasQuoted = true;
        }
        if (quoted && i + 1 < size && all[i + 1] == quote)
            item += all[++i];
        else
            quoted = !quoted;
        quotedEnd = item.size();
    }
    if (!wasQuoted)
        item = all.sliced(start, i - start).trimmed().toString();
    while (item.size() > quotedEnd && item.back().isSpace())
        item.chop(1);

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

QString asItem(const QString& text)
{
    const QChar quote = QLatin1Char('"');
    if (!text.contains(QLatin1Char(',')) && !text.contains(quote) && text.trimmed() == text)
        return text;
    QString item = text;
    item.replace(quote, QStringLiteral("\"\""));
    return quote + item + quote;
}

} // namespace platform
