#include "core/cards/ImageList.h"

#include "core/cards/CardArt.h"

#include <QPainter>
#include <QPixmapCache>

ImageList::ImageList()
{
    static const char* const suits = "SHCD";
    m_keys[1] = QStringLiteral("FULL");
    m_keys[2] = QStringLiteral("BACK");
    m_keys[3] = QStringLiteral("HALF");
    m_keys[13] = QStringLiteral("EMPTY");
    for (int s = 0; s < 4; ++s)
        for (int r = 1; r <= 13; ++r)
            m_keys[faceIndex(r, s)] = QString::number(r) + QLatin1Char(suits[s]);
    m_keys[66] = QStringLiteral("POINTER");
    m_keys[67] = QStringLiteral("Empty");
    m_keys[68] = QStringLiteral("Talmark");
}

int ImageList::indexOf(const QString& key) const
{
    if (key.isEmpty())
        return 0;
    for (int i = 1; i <= Count; ++i)
        if (m_keys[i] == key)
            return i;
    return 0;
}

QString ImageList::key(int index) const { return index >= 1 && index <= Count ? m_keys[index] : QString(); }

bool ImageList::setKey(int index, const QString& key)
{
    if (index < 1 || index > Count)
        return false;
    const int holder = indexOf(key);
    if (holder != 0 && holder != index)
        return false;
    m_keys[index] = key;
    return true;
}

QPixmap ImageList::picture(int index, QSize size, qreal dpr) const
{
    if (index < 1 || index > Count || size.isEmpty())
        return {};
    const QString cacheKey = QStringLiteral("card:%1:%2x%3@%4").arg(index).arg(size.width()).arg(size.height()).arg(dpr);
    QPixmap pm;
    if (QPixmapCache::find(cacheKey, &pm))
        return pm;
    pm = QPixmap(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        paintListImage(p, QRectF(QPointF(0, 0), QSizeF(size)), index);
    }
    QPixmapCache::insert(cacheKey, pm);
    return pm;
}

ImageList& ImageList2()
{
    static ImageList list;
    return list;
}
