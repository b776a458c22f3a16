#pragma once
#include <QString>
#include <QStringList>

namespace platform {

// Sequential reading of items from a text file's contents, as the settings and saved-game readers expect:
// an item ends at a comma or a line end, blanks around it are dropped, an empty line gives an empty item.
// A value in double quotes may hold commas. CR LF and LF line ends read the same.
class ItemReader {
public:
    explicit ItemReader(const QString& contents);
    static ItemReader fromFile(const QString& path, bool* opened = nullptr);

    bool atEnd() const { return m_next >= m_items.size(); }
    // The next item; past the end, an empty text (callers test atEnd first).
    QString next();

private:
    QStringList m_items;
    qsizetype m_next = 0;
};

} // namespace platform
