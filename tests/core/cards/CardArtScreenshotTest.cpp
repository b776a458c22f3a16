#include "core/cards/ImageList.h"
#include "core/cards/CardArt.h"
#include "support/Screenshot.h"

#include <QLinearGradient>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
// Every list picture at its layout size times `scale`, 13 to a row on card-table felt, for a look by eye.
class PictureSheet : public QWidget {
public:
    explicit PictureSheet(int scale) : m_scale(scale) { setFixedSize(Columns * cell().width(), Rows * cell().height()); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QLinearGradient felt(0, 0, 0, height());
        felt.setColorAt(0, QColor(0x1f, 0x6e, 0x43));
        felt.setColorAt(1, QColor(0x0f, 0x4a, 0x2c));
        p.fillRect(rect(), felt);
        for (int i = 1; i <= ImageList::Count; ++i) {
            const QPoint origin(((i - 1) % Columns) * cell().width() + 4 * m_scale,
                                ((i - 1) / Columns) * cell().height() + 4 * m_scale);
            p.drawPixmap(origin, ImageList2().picture(i, nominalImageSize(i) * m_scale));
        }
    }

private:
    static constexpr int Columns = 13;
    static constexpr int Rows = (ImageList::Count + Columns - 1) / Columns;
    QSize cell() const { return QSize(84, 108) * m_scale; }
    int m_scale;
};
} // namespace

TEST(CardArt, SheetsOfEveryPicture)
{
    for (int scale : {1, 3}) {
        PictureSheet sheet(scale);
        const QImage grab = sheet.grab().toImage();
        ASSERT_FALSE(grab.isNull());
        saveScreenshot(&sheet, scale == 1 ? QStringLiteral("cards") : QStringLiteral("cards-3x"));
    }
}
