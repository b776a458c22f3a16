#pragma once
// The image list of every card picture the games show, by 1-based index, with movable keys.
#include <QPixmap>
#include <QString>
#include <array>

class ImageList {
public:
    static constexpr int Count = 68;
    static constexpr int FirstFace = 14;
    static constexpr int Pointer = 66;
    static constexpr int Talmark = 68;

    ImageList();

    // Index of the image carrying `key` (compared with its case), or 0 when none does.
    int indexOf(const QString& key) const;
    QString key(int index) const;
    // Keys are unique: giving an image a key another image carries fails and changes nothing.
    bool setKey(int index, const QString& key);

    // The picture rendered at `size` device-independent pixels for a screen of ratio `dpr`.
    QPixmap picture(int index, QSize size, qreal dpr = 1.0) const;

    // Index of the face of rank r (1..13) and suit s (0 spades, 1 hearts, 2 clubs, 3 diamonds).
    static int faceIndex(int rank, int suit) { return FirstFace + 13 * suit + (rank - 1); }

private:
    std::array<QString, Count + 1> m_keys;
};

// The one list, shared by every window.
ImageList& ImageList2();
