#include "core/window/GameSplash.h"

#include "core/cards/CardImage.h"
#include "core/cards/Deck.h"
#include "core/SuiteGlobals.h"
#include "core/window/FeltPanel.h"
#include "platform/Label.h"
#include "platform/Twips.h"

#include <QPainter>
#include <cmath>

namespace {
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

GameSplash::GameSplash(QWidget* parent, const Look& look) : QFrame(parent), m_look(look)
{
    setObjectName(QStringLiteral("frmSplash"));
    for (int i = 0; i < 4; ++i) {
        imgSplashImage[i] = new CardImage(this);
        imgSplashImage[i]->setObjectName(QStringLiteral("imgSplashImage%1").arg(i));
    }
    const QColor cream(0xfb, 0xf6, 0xe6);
    const QColor gold(0xf2, 0xc9, 0x4c);
    lblCompanyProduct = titleLabel(this, "lblCompanyProduct", 11, false, cream);
    lblProductName = titleLabel(this, "lblProductName", look.namePointSize, true, gold);
    lblVersion = titleLabel(this, "lblVersion", 10, false, cream);
    lblPlatform = titleLabel(this, "lblPlatform", 9, false, cream);
    lblPlatform->setCaption(QStringLiteral("Windows 95/98/NT"));
    arrange(1.0);
}

void GameSplash::arrange(double scale)
{
    auto s = [scale](int design) { return int(std::lround(design * scale)); };
    const Look& l = m_look;
    if (l.frameWidth > 0)
        platform::resizeTw(this, s(l.frameWidth), s(l.frameHeight));
    for (int i = 0; i < 4; ++i)
        platform::setGeometryTw(imgSplashImage[std::size_t(i)], s(l.cardLeft + l.cardStepX * i),
                                s(l.cardTop + l.cardStepY * i), s(l.cardWidth), s(l.cardHeight));
    // The titles keep their heights: their fonts do not scale.
    platform::setGeometryTw(lblCompanyProduct, s(l.textLeft), s(l.companyTop), s(l.textWidth), 330);
    platform::setGeometryTw(lblProductName, s(l.textLeft), s(l.nameTop), s(l.textWidth), 720);
    platform::setGeometryTw(lblVersion, s(l.textLeft), s(l.versionTop), s(l.textWidth), 300);
    platform::setGeometryTw(lblPlatform, s(l.textLeft), s(l.platformTop), s(l.textWidth), 300);
}

void GameSplash::showTitles()
{
    lblProductName->setCaption(gGameTitle);
    lblCompanyProduct->setCaption(QStringLiteral("Corvanta") + QStringLiteral(" Presents"));
    lblVersion->setCaption(QStringLiteral("Version ") + QStringLiteral("4.0"));
}

void GameSplash::showBacks()
{
    for (CardImage* image : imgSplashImage)
        image->setPictureByKey(QStringLiteral("BACK"));
}

void GameSplash::animate()
{
    m_cascade.step(imgSplashImage, [](CardImage* image, bool back) {
        if (back) {
            image->setPictureByKey(QStringLiteral("BACK"));
            image->setBorderStyle(0);
        } else {
            image->setPicture(RandomNumber(14, 65));
            image->setBorderStyle(1);
        }
    });
}

void GameSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // The splash covers what it comes back over (a message left showing, say): its tint lies on the
    // bare felt, not on the controls beneath it.
    if (const auto* felt = qobject_cast<const FeltPanel*>(parentWidget())) {
        p.save();
        p.translate(-pos());
        felt->paintFelt(p, geometry());
        p.restore();
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xf2, 0xc9, 0x4c, 150), 1.5));
    p.setBrush(QColor(0, 0x22, 0x12, 90));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 10, 10);
}
