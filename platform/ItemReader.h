#pragma once
#include <QString>

namespace platform {

// Sequential reading of items from a text file's contents, as the settings and saved-game readers expect:
// an item ends at a comma or a line end, blanks around it are dropped, an empty line gives an empty item.
// A value in double quotes may hold commas and blanks, and a doubled quote inside it is one quote; the
// blanks outside the quotes are dropped as around any item.
// CR LF and LF line ends read the same.
class ItemReader {
public:
    explicit ItemReader(const QString& contents);
    static ItemReader fromFile(const QString& path, bool* opened = nullptr);

    bool atEnd() const { return m_pos >= m_text.size() && !m_itemAfterComma; }
    // The next item; past the end, an empty text (callers test atEnd first).
    QString next();

private:
    // Items are cut one at a time as they are asked for: time in proportion to what is read,
    // no more memory than the text itself.
    QString m_text;
    qsizetype m_pos = 0;
    bool m_itemAfterComma = false; // a comma just read starts one more item, an empty one at a line end
};

// The text as one item that the reader gives back whole: unchanged when it would read back so, otherwise
// in double quotes with each quote inside doubled. The text must hold no line end.
QString asItem(const QString& text);

} // namespace platform
