#pragma once
// The keys a game's settings file may hold and what each does with its value, so every game reads its
// file with the same loop: any order, the last occurrence wins, unknown items are passed over, and a
// value the game would refuse from its own menus or dialogs never reaches the rounds.
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

namespace platform {
class ItemReader;
}

namespace settingsfile {

// A whole number within bounds, or nothing (no number, or outside them).
std::optional<std::int64_t> numberWithin(const QString& item, std::int64_t lowest, std::int64_t highest);

class SettingsKeys {
public:
    SettingsKeys& on(const QString& key, std::function<void(const QString& value)> handler);
    // A handler that returns false ends the reading there.
    SettingsKeys& onOrStop(const QString& key, std::function<bool(const QString& value)> handler);

    // Only "True" is on.
    SettingsKeys& onOff(const QString& key, std::optional<bool>& field);

    // Recorded when within bounds; otherwise the value read before stays.
    template <class T>
    SettingsKeys& number(const QString& key, std::optional<T>& field, std::int64_t lowest, std::int64_t highest)
    {
        return on(key, [&field, lowest, highest](const QString& value) {
            if (const auto n = numberWithin(value, lowest, highest))
                field = T(*n);
        });
    }

    // Recorded when the value is written exactly as one of `offered`.
    template <class Range>
    SettingsKeys& oneOf(const QString& key, std::optional<int>& field, const Range& offered)
    {
        std::vector<int> numbers(std::begin(offered), std::end(offered));
        return on(key, [&field, numbers](const QString& value) {
            for (int n : numbers)
                if (value == QString::number(n))
                    field = n;
        });
    }
    SettingsKeys& oneOf(const QString& key, std::optional<int>& field, std::initializer_list<int> offered)
    {
        return oneOf<std::initializer_list<int>>(key, field, offered);
    }

    // "[State]" 0 to 2, "[Width]" and "[Height]" 1 to 10,000,000 twips.
    SettingsKeys& placement(std::optional<int>& state, std::optional<int>& widthTw, std::optional<int>& heightTw);

    // Reads the items to the end: a known key takes the next item as its value. False when the
    // reading stopped early: a known key came last with no value, or a handler ended it.
    bool readFrom(platform::ItemReader& reader) const;

private:
    std::vector<std::pair<QString, std::function<bool(const QString&)>>> m_keys;
};

} // namespace settingsfile
