#pragma once
// The text of a game's settings file: every record is the key, its value and an empty line, CR LF
// throughout; games differ only in their keys, their order and whether one more line end closes it.
#include "core/settings/WindowPlacement.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

namespace settingsfile {

// The size a maximised window is written with, so that restoring it never gives a tiny window.
struct MaximisedSize {
    int widthTw = 0;
    int heightTw = 0;
};

class SettingsWriter {
public:
    SettingsWriter& text(const QString& key, const QString& value);
    SettingsWriter& number(const QString& key, std::int64_t value);
    SettingsWriter& onOff(const QString& key, bool on); // "True" / "False"
    // "[State]", "[Width]" and "[Height]"; a maximised window with `maximised`'s size.
    SettingsWriter& placement(const WindowPlacement& placement, MaximisedSize maximised);

    // With `closingLineEnd`, one more CR LF follows the last record's empty line.
    QByteArray contents(bool closingLineEnd) const;

private:
    std::vector<std::pair<QString, QString>> m_records;
};

} // namespace settingsfile
