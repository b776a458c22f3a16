#include "core/settings/SettingsWriter.h"

namespace settingsfile {

SettingsWriter& SettingsWriter::text(const QString& key, const QString& value)
{
    m_records.emplace_back(key, value);
    return *this;
}

SettingsWriter& SettingsWriter::number(const QString& key, std::int64_t value)
{
    return text(key, QString::number(value));
}

SettingsWriter& SettingsWriter::onOff(const QString& key, bool on)
{
    return text(key, on ? QStringLiteral("True") : QStringLiteral("False"));
}

SettingsWriter& SettingsWriter::placement(const WindowPlacement& p, MaximisedSize maximised)
{
    const bool isMaximised = p.state == 2;
    number(QStringLiteral("[State]"), p.state);
    number(QStringLiteral("[Width]"), isMaximised ? maximised.widthTw : p.widthTw);
    return number(QStringLiteral("[Height]"), isMaximised ? maximised.heightTw : p.heightTw);
}

QByteArray SettingsWriter::contents(bool closingLineEnd) const
{
    QString all;
    for (const auto& [key, value] : m_records)
        all += key + QLatin1String("\r\n") + value + QLatin1String("\r\n\r\n");
    if (closingLineEnd)
        all += QLatin1String("\r\n");
    return all.toLatin1();
}

} // namespace settingsfile
