#include "core/settings/SettingsKeys.h"

#include "platform/Conversions.h"
#include "platform/ItemReader.h"

#include <algorithm>
#include <cmath>

namespace settingsfile {

namespace {
constexpr int LargestSizeTw = 10'000'000;
}

std::optional<std::int64_t> numberWithin(const QString& item, std::int64_t lowest, std::int64_t highest)
{
    bool ok = false;
    const double value = item.trimmed().toDouble(&ok);
    // The range is checked before rounding, so a huge value cannot wrap into it.
    if (!ok || !std::isfinite(value) || value < double(lowest) - 0.5 || value > double(highest) + 0.5)
        return std::nullopt;
    const std::int64_t whole = platform::roundHalfEven(value);
    if (whole < lowest || whole > highest)
        return std::nullopt;
    return whole;
}

SettingsKeys& SettingsKeys::on(const QString& key, std::function<void(const QString&)> handler)
{
    return onOrStop(key, [handler = std::move(handler)](const QString& value) {
        handler(value);
        return true;
    });
}

SettingsKeys& SettingsKeys::onOrStop(const QString& key, std::function<bool(const QString&)> handler)
{
    m_keys.emplace_back(key, std::move(handler));
    return *this;
}

SettingsKeys& SettingsKeys::onOff(const QString& key, std::optional<bool>& field)
{
    return on(key, [&field](const QString& value) { field = value == QLatin1String("True"); });
}

SettingsKeys& SettingsKeys::placement(std::optional<int>& state, std::optional<int>& widthTw,
                                      std::optional<int>& heightTw)
{
    number(QStringLiteral("[State]"), state, 0, 2);
    number(QStringLiteral("[Width]"), widthTw, 1, LargestSizeTw);
    return number(QStringLiteral("[Height]"), heightTw, 1, LargestSizeTw);
}

bool SettingsKeys::readFrom(platform::ItemReader& reader) const
{
    while (!reader.atEnd()) {
        const QString key = reader.next();
        const auto known = std::find_if(m_keys.begin(), m_keys.end(), [&key](const auto& k) { return k.first == key; });
        if (known == m_keys.end())
            continue;
        if (reader.atEnd())
            return false; // a key without its value
        if (!known->second(reader.next()))
            return false;
    }
    return true;
}

} // namespace settingsfile
