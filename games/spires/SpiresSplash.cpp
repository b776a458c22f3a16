#include "games/spires/SpiresSplash.h"

#include "core/CardImage.h"
#include "core/Deck.h"
#include "platform/Label.h"
#include "platform/Twips.h"

#include <QPainter>
#include <cmath>

namespace {
constexpr int CardWidth = 1065;
constexpr int CardHeight = 1440;
constexpr int TextLeft = 2820;
constexpr int TextWidth = 2900;
constexpr int FrameWidth = 5900;
constexpr int FrameHeight = 4200;

platform::Label* titleLabel(QWidget* parent, const char* name, int pointSize, bool bold, QColor color)
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
    return label;
}
} // namespace

SpiresSplash::SpiresSplash(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    for (int i = 0; i < 4; ++i) {
        imgSplashImage[i] = new CardImage(this);
        imgSplashImage[i]->setObjectName(QStringLiteral("imgSplashImage%1").arg(i));
    }
    const QColor cream(0xfb, 0xf6, 0xe6);
    const QColor gold(0xf2, 0xc9, 0x4c);
    lblCompanyProduct = titleLabel(this, "lblCompanyProduct", 11, false, cream);
    lblProductName = titleLabel(this, "lblProductName", 22, true, gold);
    lblVersion = titleLabel(this, "lblVersion", 10, false, cream);
    lblPlatform = titleLabel(this, "lblPlatform", 9, false, cream);
    lblPlatform->setCaption(QStringLiteral("Windows 95/98/NT"));
    arrange(1.0);
}

void SpiresSplash::arrange(double scale)
{
    auto s = [scale](int design) { return int(std::lround(design * scale)); };
    platform::resizeTw(this, s(FrameWidth), s(FrameHeight));
    // Each card stands 400 right of and 600 below the one before.
    for (int i = 0; i < 4; ++i)
        platform::setGeometryTw(imgSplashImage[i], s(320 + 400 * i), s(300 + 600 * i), s(CardWidth), s(CardHeight));
    platform::setGeometryTw(lblCompanyProduct, s(TextLeft), s(900), s(TextWidth), 330);
    platform::setGeometryTw(lblProductName, s(TextLeft), s(1260), s(TextWidth), 720);
    platform::setGeometryTw(lblVersion, s(TextLeft), s(2160), s(TextWidth), 300);
    platform::setGeometryTw(lblPlatform, s(TextLeft), s(2460), s(TextWidth), 300);
}

void SpiresSplash::animate()
{
    CardImage* image = imgSplashImage[std::size_t(SplashIndex)];
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

void SpiresSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xf2, 0xc9, 0x4c, 150), 1.5));
    p.setBrush(QColor(0, 0x22, 0x12, 90));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 10, 10);
}
