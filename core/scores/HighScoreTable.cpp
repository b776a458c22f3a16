#include "core/scores/HighScoreTable.h"

#include "platform/TextFile.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace {
// The reader skips the blanks a field starts with, so a name never keeps them.
QString withoutLeadingBlanks(const QString& field)
{
    qsizetype start = 0;
    while (start < field.size() && field[start] == QLatin1Char(' '))
        ++start;
    return field.mid(start);
}

HighScoreLine splitLine(const QString& line)
{
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    if (comma < 0)
        return {withoutLeadingBlanks(line), QString()};
    return {withoutLeadingBlanks(line.left(comma)), line.mid(comma + 1).trimmed()};
}
} // namespace

std::optional<std::int64_t> highScoreValue(const QString& field)
{
    const QString digits = field.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const QChar c = digits[i];
        const bool sign = i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+')) && digits.size() > 1;
        if (!sign && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            return std::nullopt;
    }
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

HighScoreTable HighScoreTable::parse(const QByteArray& contents)
{
    HighScoreTable table;
    // CR LF, LF and CR alone all end a line.
    static const QRegularExpression LineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : platform::decodeText(contents).split(LineEnd)) {
        if (line.trimmed().isEmpty())
            continue;
        table.m_lines.push_back(splitLine(line));
    }
    return table;
}

HighScoreTable HighScoreTable::defaults(const QString& defaultScore)
{
    HighScoreTable table;
    table.m_lines.assign(Size, HighScoreLine{QStringLiteral("Corvanta"), defaultScore});
    return table;
}

QByteArray HighScoreTable::text() const
{
    QString out;
    for (const HighScoreLine& line : m_lines)
        out += line.name + QStringLiteral(", ") + line.score + QStringLiteral("\r\n");
    out += QStringLiteral("\r\n");
    return out.toUtf8();
}

HighScoreTable::Placement HighScoreTable::placeFor(std::int64_t score) const
{
    Placement result;
    const int considered = std::min<int>(Size, int(m_lines.size()));
    for (int i = 0; i < considered; ++i) {
        const std::optional<std::int64_t> value = highScoreValue(m_lines[i].score);
        if (!value) {
            result.readable = false;
            result.place.reset();
            return result;
        }
        if (!result.place && *value < score)
            result.place = i;
    }
    return result;
}

HighScoreTable HighScoreTable::withEntry(int place, const QString& name, std::int64_t score) const
{
    HighScoreTable table;
    const int kept = std::min<int>(Size, int(m_lines.size()));
    for (int i = 0; i < kept; ++i) {
        const std::optional<std::int64_t> value = highScoreValue(m_lines[i].score);
        table.m_lines.push_back({m_lines[i].name, value ? QString::number(*value) : m_lines[i].score});
    }
    place = std::clamp(place, 0, int(table.m_lines.size()));
    // A line end in the new name would split its entry in two and leave the table unreadable.
    const HighScoreLine entry{platform::withoutControlCharacters(name), QString::number(score)};
    table.m_lines.insert(table.m_lines.begin() + place, entry);
    if (int(table.m_lines.size()) > Size)
        table.m_lines.resize(Size);
    return table;
}
