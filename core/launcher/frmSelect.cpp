#include "core/launcher/frmSelect.h"

#include "core/cards/CardImage.h"
#include "core/cards/Deck.h"
#include "core/launcher/GameCatalog.h"
#include "core/SuiteGlobals.h"
#include "core/launcher/WebPage.h"
#include "platform/Pointer.h"
#include "platform/Program.h"
#include "platform/TextFile.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QShortcutEvent>

namespace {
QPointer<frmSelect>& theLauncher()
{
    static QPointer<frmSelect> l;
    return l;
}

// Client area of the 6735 x 5190 twip window, less its title bar.
constexpr int ClientWidth = 6735;
constexpr int ClientHeight = 4785;

struct RingPlace {
    int left, top;
};
constexpr RingPlace Ring[8] = {{2805, 495}, {2340, 1170}, {2805, 1920}, {3510, 2190},
                               {4155, 1920}, {4665, 1170}, {4155, 495}, {3510, 225}};
constexpr int CardWidth = 1065, CardHeight = 1440;
} // namespace

frmSelect* frmSelect::instance() { return theLauncher(); }

void showLauncher()
{
    if (frmSelect* l = frmSelect::instance())
        l->show();
}

frmSelect::frmSelect(QWidget* parent) : QWidget(parent)
{
    using platform::setGeometryTw;
    theLauncher() = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(platform::toPixels(ClientWidth), platform::toPixels(ClientHeight));

    frmGameChoice = new QGroupBox(QStringLiteral("Select your game"), this);
    setGeometryTw(frmGameChoice, 150, 120, 1980, 3870);
    // The caption sits straight on the felt, so it needs light text; the buttons keep their own colours.
    QPalette onFelt = frmGameChoice->palette();
    onFelt.setColor(QPalette::WindowText, Qt::white);
    frmGameChoice->setPalette(onFelt);
    QPushButton** games[] = {&cmdTallies, &cmdStackjack, &cmdQuickjack, &cmdSpires, &cmdDuetto, &cmdGridhand, &cmdCairnwell};
    for (int i = 0; i < 7; ++i) {
        *games[i] = new QPushButton(frmGameChoice);
        setGeometryTw(*games[i], 180, 360 + i * 480, 1620, 405);
    }
    cmdLaunchBrowser = new QPushButton(QStringLiteral("&Open Web Site"), this);
    setGeometryTw(cmdLaunchBrowser, 2340, 4095, 2520, 450);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    setGeometryTw(cmdClose, 5085, 4095, 1425, 450);

    for (int i = 0; i < 8; ++i) {
        imgSplashImage[i] = new CardImage(this);
        setGeometryTw(imgSplashImage[i], Ring[i].left, Ring[i].top, CardWidth, CardHeight);
    }

    Timer1 = new platform::Timer(this, 250, true);
    Timer1->onTimer = [this] { Timer1_Timer(); };

    const std::pair<QPushButton*, QString> taglines[] = {
        {cmdTallies, QStringLiteral("Go for Tallies!")}, {cmdStackjack, QStringLiteral("Stackjack!")},
        {cmdQuickjack, QStringLiteral("Quickjack!")},    {cmdSpires, QStringLiteral("Spires!")},
        {cmdDuetto, QStringLiteral("Duetto!")},          {cmdGridhand, QStringLiteral("Gridhand!")},
        {cmdCairnwell, QStringLiteral("Cairnwell!")}};
    for (const auto& [button, tagline] : taglines)
        connect(button, &QPushButton::clicked, this, [this, tagline = tagline] { launchGame(tagline); });
    for (QPushButton* button : findChildren<QPushButton*>())
        button->installEventFilter(this);
    connect(cmdLaunchBrowser, &QPushButton::clicked, this, &frmSelect::cmdLaunchBrowser_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSelect::cmdClose_Click);

    Form_Load();
}

void frmSelect::Form_Load()
{
    platform::centreOnScreen(this);
    setWindowTitle(QStringLiteral("Corvanta") + QStringLiteral("'s Parlour"));
    gAppPath = platform::programFolder();
    platform::removeStaleTemporaries(gAppPath);

    cmdTallies->setText(QStringLiteral("&Tallies!"));
    cmdStackjack->setText(QStringLiteral("&Stackjack "));
    cmdQuickjack->setText(QStringLiteral("&Quickjack"));
    cmdSpires->setText(QStringLiteral("S&pires"));
    cmdDuetto->setText(QStringLiteral("&Duetto"));
    cmdGridhand->setText(QStringLiteral("G&ridhand"));
    cmdCairnwell->setText(QStringLiteral("C&airnwell"));
    cmdLaunchBrowser->setText(QStringLiteral("&Go to ") + QStringLiteral("Corvanta") + QStringLiteral("'s website"));
}

void frmSelect::launchGame(const QString& tagline)
{
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    gGameTitle = tagline;
    resetRoundState();
    if (QWidget* form = gameFormFor(tagline))
        form->show();
    platform::setMousePointer(this, platform::MousePointer::Default);
    hide();
}

void frmSelect::cmdLaunchBrowser_Click() { OpenWebPage(this, MakerWebSite); }

void frmSelect::cmdClose_Click()
{
    close();
    platform::endProgram();
}

void frmSelect::Timer1_Timer()
{
    Splash& s = m_splash;
    if (s.BackIndex == 0)
        s.BackIndex = 2;
    CardImage* image = imgSplashImage[s.Position];
    image->lower();
    if (s.Forward) {
        if (s.ShowBacks) {
            image->setPicture(s.BackIndex);
            image->setBorderStyle(0);
        } else {
            image->setPicture(RandomNumber(14, 65));
            image->setBorderStyle(1);
        }
        if (++s.Position > 7) {
            s.Forward = false;
            s.Position = 7;
        }
    } else if (--s.Position < 0) {
        s.Forward = true;
        s.Position = 0;
        if (s.ShowBacks) {
            s.ShowBacks = false;
            s.BackIndex += 3;
            if (s.BackIndex == 11)
                s.BackIndex = 2;
        } else {
            s.ShowBacks = true;
        }
    }
}

bool frmSelect::eventFilter(QObject* watched, QEvent* event)
{
    // Qt's buttons answer their access key with a 100 ms pressed-look animation before the click;
    // the launcher clicks at once, so a game opens as soon as its key is pressed.
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        button->setFocus(Qt::ShortcutFocusReason);
        button->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSelect::paintEvent(QPaintEvent*)
{
    // A card table's felt behind the ring.
    QPainter p(this);
    QLinearGradient felt(0, 0, 0, height());
    felt.setColorAt(0, QColor(0x1f, 0x6e, 0x43));
    felt.setColorAt(1, QColor(0x0f, 0x4a, 0x2c));
    p.fillRect(rect(), felt);
}
