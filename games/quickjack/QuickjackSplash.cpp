#include "games/quickjack/QuickjackSplash.h"

#include "core/CardImage.h"
#include "core/Deck.h"
#include "platform/Label.h"
#include "platform/Twips.h"

#include <QPainter>

namespace {
constexpr int CardWidth = 1065;
constexpr int CardHeight = 1440;
constexpr int TextLeft = 2820;
constexpr int TextWidth = 2700;

platform::Label* titleLabel(QWidget* parent, const char* name, int top, int height, int pointSize, bool bold,
                            QColor color)
{
    auto* label = new platform::Label(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QFont f = label->font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
    platform::setGeometryTw(label, TextLeft, top, TextWidth, height);
    return label;
}
} // namespace

QuickjackSplash::QuickjackSplash(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    for (int i = 0; i < 4; ++i) {
        imgSplashImage[i] = new CardImage(this);
        imgSplashImage[i]->setObjectName(QStringLiteral("imgSplashImage%1").arg(i));
        platform::setGeometryTw(imgSplashImage[i], 320 + 400 * i, 600 + 600 * i, CardWidth, CardHeight);
    }
    const QColor cream(0xfb, 0xf6, 0xe6);
    const QColor gold(0xf2, 0xc9, 0x4c);
    lblCompanyProduct = titleLabel(this, "lblCompanyProduct", 900, 330, 11, false, cream);
    lblProductName = titleLabel(this, "lblProductName", 1260, 720, 22, true, gold);
    lblVersion = titleLabel(this, "lblVersion", 2160, 300, 10, false, cream);
    lblPlatform = titleLabel(this, "lblPlatform", 2460, 300, 9, false, cream);
    lblPlatform->setCaption(QStringLiteral("Windows 95/98/NT"));
}

void QuickjackSplash::animate()
{
    CardImage* image = imgSplashImage[SplashIndex];
    image->lower();
    if (SplashForward) {
        if (SplashShowBack) {
            image->setPictureByKey(QStringLiteral("BACK"));
            image->setBorderStyle(0);
        } else {
            image->setPicture(RandomNumber(14, 65));
            image->setBorderStyle(1);
        }
        if (++SplashIndex == 4) {
            SplashForward = false;
            SplashIndex = 3;
        }
    } else if (--SplashIndex < 0) {
        SplashForward = true;
        SplashIndex = 0;
        SplashShowBack = !SplashShowBack;
    }
}

void QuickjackSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xf2, 0xc9, 0x4c, 150), 1.5));
    p.setBrush(QColor(0, 0x22, 0x12, 90));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 10, 10);
}
