#include "games/duetto/DuettoSplash.h"

#include "core/CardImage.h"
#include "core/Deck.h"
#include "platform/Label.h"
#include "platform/Twips.h"

#include <QPainter>

namespace {
constexpr int CardWidth = 1035;
constexpr int CardHeight = 1455;
constexpr int TextLeft = 3900;
constexpr int TextWidth = 3000;

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

DuettoSplash::DuettoSplash(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    for (int i = 0; i < 4; ++i) {
        imgSplashImage[i] = new CardImage(this);
        imgSplashImage[i]->setObjectName(QStringLiteral("imgSplashImage%1").arg(i));
        platform::setGeometryTw(imgSplashImage[i], 360 + 600 * i, 700 + 420 * i, CardWidth, CardHeight);
    }
    const QColor cream(0xfb, 0xf6, 0xe6);
    const QColor gold(0xf2, 0xc9, 0x4c);
    lblCompanyProduct = titleLabel(this, "lblCompanyProduct", 1000, 330, 11, false, cream);
    lblProductName = titleLabel(this, "lblProductName", 1380, 720, 24, true, gold);
    lblVersion = titleLabel(this, "lblVersion", 2280, 300, 10, false, cream);
    lblPlatform = titleLabel(this, "lblPlatform", 2580, 300, 9, false, cream);
    lblPlatform->setCaption(QStringLiteral("Windows 95/98/NT"));
}

void DuettoSplash::animate()
{
    CardImage* image = imgSplashImage[SplashIndex];
    // Each card dealt goes under the others, so the fan seems to turn over.
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

void DuettoSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xf2, 0xc9, 0x4c, 150), 1.5));
    p.setBrush(QColor(0, 0x22, 0x12, 90));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 10, 10);
}
