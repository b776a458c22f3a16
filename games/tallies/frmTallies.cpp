#include "games/tallies/frmTallies.h"

#include "core/window/TableControls.h"
#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/scores/GameScoring.h"
#include "core/scores/HighScores.h"
#include "core/cards/ImageList.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "core/window/FeltPanel.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "games/tallies/TalliesState.h"
#include "platform/Colors.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QAction>
#include <QPushButton>

namespace {
using platform::setGeometryTw;

const QColor BoxFill(0xfd, 0xfb, 0xf4);
const QColor BoxBorder(0x1b, 0x2a, 0x22);
const QColor BevelShade(0x80, 0x80, 0x80);
const QColor OnFelt(0xf4, 0xf1, 0xe4);

QFont pixelFont(const QFont& base, int pixels, bool bold, bool italic = false)
{
    QFont f = base;
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

platform::Label* makeLabel(QWidget* parent, const QString& caption, int left, int top, int width, int height,
                           const QFont& font, long foreColor)
{
    auto* label = new platform::Label(parent, caption);
    setGeometryTw(label, left, top, width, height);
    label->setFont(font);
    label->setForeColor(foreColor);
    return label;
}

// The value labels take the width of their caption, as the boxes centre them by it.
void autoSize(platform::Label* label) { label->adjustSize(); }

// A dark edge keeps the light count-up colours readable on the white boxes.
void giveEdge(QWidget* w)
{
    auto* edge = new QGraphicsDropShadowEffect(w);
    edge->setOffset(1, 1);
    edge->setBlurRadius(2);
    edge->setColor(QColor(0, 0, 0, 150));
    w->setGraphicsEffect(edge);
}

struct Place {
    int left, top;
};
// Field positions at the window's design size; the layout places them afresh from field card 0.
constexpr Place FieldDesignPlace[22] = {
    {4305, 1400}, {1710, 1900}, {6930, 1900}, {3690, 1900}, {4905, 1890}, {1035, 2400}, {2385, 2400}, {4305, 2385},
    {6255, 2400}, {7605, 2400}, {360, 2880},  {1695, 2900}, {3060, 2900}, {5580, 2880}, {6930, 2880}, {8280, 2900},
    {1035, 3400}, {2385, 3390}, {6255, 3390}, {7605, 3390}, {1710, 3900}, {6930, 3900}};
// Each tier, top to bottom: a lower tier lies over the one above it.
const std::vector<std::vector<int>> Tiers = {{0}, {1, 3, 4, 2}, {5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15},
                                             {16, 17, 18, 19}, {20, 21}};
constexpr int CardWidth = 1065, CardHeight = 1455;
} // namespace

frmTallies::frmTallies(QWidget* parent) : GameWindow(QStringLiteral("frmTallies"), parent)
{
    buildTable();
    buildValueBoxes();
    buildField();
    buildSplash();
    buildButtons();
    buildMenus();
    finishWindowSetup([this] { Timer1_Timer(); }, [this] { Timer2_Timer(); }, FormWidth, FormHeight);
    // Until the first deal only the boxes of the score, tallies and round show on the table.
    CardTotalVisible(false);
    Timer4->setInterval(250);

    Form_Load();
}

// ---- Construction ----

void frmTallies::buildTable()
{
    // Green felt, lit from above the field.
    auto* table = new FeltPanel(this,
                                {{0.0, QColor(0x2a, 0x8a, 0x55)}, {0.6, QColor(0x1c, 0x6b, 0x40)}, {1.0, QColor(0x0e, 0x45, 0x29)}},
                                FeltPanel::Lighting::Spotlight);
    setCentralWidget(table);
    const QFont base = font();

    TimerRectangle = new ShapeControl(table, BoxFill, BoxBorder, 1, 3);
    setGeometryTw(TimerRectangle, 1575, 345, 1365, 1230);
    Surface = new ClockSurface(table);
    setGeometryTw(Surface, 1665, 375, 1155, 1140);
    QPalette dial = Surface->palette();
    dial.setColor(QPalette::Window, BoxFill);
    Surface->setPalette(dial);
    TimerBevelSide = new LineControl(table, BevelShade);
    TimerBevelSide->setEnds(2850, 360, 2850, 1560);
    TimerBevelBottom = new LineControl(table, BevelShade);
    TimerBevelBottom->setEnds(1650, 1560, 2850, 1545);
    lblTime = makeLabel(table, QStringLiteral("Time:"), 1995, 15, 480, 195, pixelFont(base, 13, true), platform::toBgr(OnFelt));

    lblMessage = makeLabel(table, QStringLiteral("Message"), 4095, 3255, 1695, 480, pixelFont(base, 22, true),
                           platform::ColorRed);
    // A light card behind the message keeps both of its flashing colours readable on the felt.
    lblMessage->setAutoFillBackground(true);
    QPalette message = lblMessage->palette();
    message.setColor(QPalette::Window, QColor(0xff, 0xfa, 0xe8));
    lblMessage->setPalette(message);
    lblMessage->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblMessage->setLineWidth(2);
    lblMessage->setMargin(6);
    lblMessage->setVisible(false);

    lblHighScore = makeLabel(table, QString(), 135, 5460, 1695, 195, pixelFont(base, 13, true),
                             platform::toBgr(QColor(0xff, 0xe0, 0x8a)));

    lblTime->onChange = [this] { lblTime_Change(); };
    lblMessage->onChange = [this] { lblMessage_Change(); };
    lblHighScore->onChange = [this] { autoSize(lblHighScore); };
}

void frmTallies::buildValueBoxes()
{
    QWidget* table = centralWidget();
    const QFont base = font();
    const QFont heading = pixelFont(base, 13, true);
    const QFont value = pixelFont(base, 16, true);
    const long headingColor = platform::toBgr(OnFelt);

    auto box = [&](ShapeControl*& shape, LineControl*& side, LineControl*& bottom, int left, int top, int width, int height) {
        shape = new ShapeControl(table, BoxFill, BoxBorder, 1, 3);
        setGeometryTw(shape, left, top, width, height);
        side = new LineControl(table, BevelShade);
        bottom = new LineControl(table, BevelShade);
        side->setEnds(left + width - 15, top + 15, left + width - 15, top + height - 15);
        bottom->setEnds(left + 15, top + height - 15, left + width - 15, top + height - 15);
    };
    box(ScoreRectangle, ScoreBevelSide, ScoreBevelBottom, 4320, 360, 1065, 510);
    box(TalliesRectangle, TalliesBevelSide, TalliesBevelBottom, 6930, 360, 1065, 510);
    box(RoundRectangle, RoundBevelSide, RoundBevelBottom, 6945, 1230, 1065, 510);
    box(CardTotalRectangle, CardTotalBevelSide, CardTotalBevelBottom, 4305, 4140, 1065, 435);

    lblScore = makeLabel(table, QStringLiteral("Score:"), 4515, 15, 570, 195, heading, headingColor);
    lblTallies = makeLabel(table, QStringLiteral("Tallies:"), 7020, 15, 750, 195, heading, headingColor);
    lblRound = makeLabel(table, QStringLiteral("Round:"), 7080, 930, 630, 195, heading, headingColor);
    lblTotal = makeLabel(table, QStringLiteral("Card Total"), 4380, 3870, 900, 195, heading, headingColor);

    lblCurrentScore = makeLabel(table, QStringLiteral("0"), 4770, 465, 135, 240, value, platform::ColorBlue);
    lblCurrentTallies = makeLabel(table, QStringLiteral("0"), 7380, 465, 135, 240, value, platform::ColorBlue);
    lblCurrentRound = makeLabel(table, QStringLiteral("1"), 7365, 1350, 135, 240, value, platform::ColorBlue);
    lblCurrentTotal = makeLabel(table, QStringLiteral("0"), 4770, 4185, 120, 285, pixelFont(base, 18, true),
                                platform::ColorBlue);
    for (platform::Label* label : {lblScore, lblTallies, lblRound, lblTotal, lblTime, lblCurrentScore,
                                   lblCurrentTallies, lblCurrentRound, lblCurrentTotal}) {
        autoSize(label);
        giveEdge(label);
    }
    tablecontrols::keepInBox(lblCurrentScore, ScoreRectangle);
    tablecontrols::keepInBox(lblCurrentTallies, TalliesRectangle);
    lblCurrentScore->onChange = [this] { lblCurrentScore_Change(); };
    lblCurrentTallies->onChange = [this] { lblCurrentTallies_Change(); };
    lblCurrentRound->onChange = [this] { lblCurrentRound_Change(); };
    lblCurrentTotal->onChange = [this] { lblCurrentTotal_Change(); };
    // A new goal's heading stays centred over its box, as the layout places it.
    lblTallies->onChange = [this] {
        autoSize(lblTallies);
        if (const QWidget* mark = FieldSelectionRectangle[2])
            lblTallies->move(mark->x() + mark->width() / 2 - lblTallies->width() / 2, lblTallies->y());
    };
    for (platform::Label* label : {lblCurrentScore, lblCurrentTallies, lblCurrentRound, lblCurrentTotal})
        label->onChange();
}

void frmTallies::buildField()
{
    QWidget* table = centralWidget();
    const QColor red = platform::fromBgr(platform::ColorRed);
    for (const std::vector<int>& tier : Tiers) {
        for (int i : tier) {
            auto* card = new CardImage(table);
            setGeometryTw(card, FieldDesignPlace[i].left, FieldDesignPlace[i].top, CardWidth, CardHeight);
            card->setObjectName(QStringLiteral("FieldCardPicture%1").arg(i));
            card->onClick = [this, i] { FieldCardPicture_Click(i); };
            card->installEventFilter(this);
            card->hide();
            FieldCardPicture[i] = card;
        }
    }
    PlayCardPicture = new CardImage(table);
    setGeometryTw(PlayCardPicture, 3675, 4695, 1035, 1455);
    PlayCardPicture->onClick = [this] { PlayCardPicture_Click(); };
    UpCardPicture = new CardImage(table);
    setGeometryTw(UpCardPicture, 4950, 4695, 1065, 1455);
    UpCardPicture->setToolTip(QStringLiteral("100 points"));
    UpCardPicture->onClick = [this] { UpCardPicture_Click(); };
    for (CardImage* card : {PlayCardPicture, UpCardPicture}) {
        card->installEventFilter(this);
        card->hide();
    }

    // The marks lie over every card: only an exposed card, which nothing covers, is ever marked.
    for (int i = 0; i < TalliesFieldSize; ++i) {
        auto* mark = new ShapeControl(table, QColor(), red, 3, 4);
        mark->setGeometry(FieldCardPicture[i]->geometry());
        mark->hide();
        FieldSelectionRectangle[i] = mark;
    }
    UpCardSelectionRectangle = new ShapeControl(table, QColor(), red, 3, 4);
    UpCardSelectionRectangle->setGeometry(UpCardPicture->geometry());
    UpCardSelectionRectangle->hide();

    lblCardCount = makeLabel(table, QStringLiteral("Cards: "), 2805, 5355, 825, 195, pixelFont(font(), 12, false),
                             platform::toBgr(OnFelt));
    lblCardCount->onChange = [this] { autoSize(lblCardCount); };
    lblCardCount->hide();
}

void frmTallies::buildSplash()
{
    const QFont base = font();
    frmSplash = new ShapeControl(centralWidget(), QColor(0x0d, 0x3d, 0x26), QColor(0xd9, 0xb8, 0x5c), 2, 12);
    setGeometryTw(frmSplash, 1020, 1845, 7080, 4050);
    const long gold = platform::toBgr(QColor(0xf2, 0xd2, 0x7a));
    const long cream = platform::toBgr(OnFelt);
    for (int i = 0; i < 4; ++i) {
        imgSplashImage[i] = new CardImage(frmSplash);
        setGeometryTw(imgSplashImage[i], 240 + i * 150, 930 + i * 180, CardWidth, CardHeight);
    }
    lblCompanyProduct = makeLabel(frmSplash, QString(), 1845, 660, 5040, 435, pixelFont(base, 18, false, true), cream);
    lblProductName = makeLabel(frmSplash, QString(), 1845, 1080, 4800, 765, pixelFont(base, 40, true), gold);
    lblPlatform = makeLabel(frmSplash, QStringLiteral("Windows 95/98/NT"), 4080, 2340, 2775, 360,
                            pixelFont(base, 15, false, true), cream);
    lblVersion = makeLabel(frmSplash, QString(), 5700, 2700, 1155, 285, pixelFont(base, 13, false), cream);
    frmSplash->raise();
}

void frmTallies::buildButtons()
{
    QWidget* table = centralWidget();
    auto button = [&](const QString& caption, int top, const QString& tip) {
        auto* b = new QPushButton(caption, table);
        setGeometryTw(b, 8220, top, 1155, 435);
        b->setToolTip(tip);
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };
    cmdPlay = button(QStringLiteral("&Play"), 105, QStringLiteral("Starts a new game"));
    cmdTakeScore = button(QStringLiteral("&Take Score"), 585, QStringLiteral("Ends current round and awards time bonus"));
    cmdPause = button(QStringLiteral("Pau&se"), 1065, QStringLiteral("Pauses the current game"));
    cmdPause->setEnabled(false);
    cmdExit = button(QStringLiteral("E&xit"), 1545, QString());
    connect(cmdPlay, &QPushButton::clicked, this, [this] { cmdPlay_Click(); });
    connect(cmdTakeScore, &QPushButton::clicked, this, [this] { cmdTakeScore_Click(); });
    connect(cmdPause, &QPushButton::clicked, this, [this] { cmdPause_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
}

// ---- Load ----

void frmTallies::Form_Load()
{
    mGameInProgress = false;
    gCustomScoring = false;
    gTalliesReplay = false;
    lblProductName->setCaption(gGameTitle);
    gMusicOn = false;
    platform::resizeTw(this, FormWidth, FormHeight);
    // A hidden window gets its resize event only when shown; the controls are placed now.
    Form_Resize();
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    showWelcome(QStringLiteral("  "));
    lblCompanyProduct->setCaption(QStringLiteral("Corvanta") + QStringLiteral(" Presents"));
    lblVersion->setCaption(QStringLiteral("Version ") + QStringLiteral("4.0"));
    setWindowTitle(gGameTitle);

    // Flags and their check marks together, so a settings file that cannot be read leaves no mark astray.
    setSoundsOn(true);
    gTimeLimit = 90;
    gTalliesDrawTimer = true;
    mnuDrawTimer->setChecked(true);
    gCardGoal = 11;
    ReadSettingsINI();
    centreWindow();

    // Makes the table of this time limit and goal when there is none yet, and shows its best score.
    ShowTopHighScore(QStringLiteral("HiScores"), *this, QStringLiteral("50000"));
    StatusClock_Timer();
    recordStartTime();
    SetTalliesDefaults();

    for (CardImage* image : imgSplashImage)
        image->setPictureByKey(QStringLiteral("Talmark"));
    startSplash();
    mnuSave->setEnabled(false);
    platform::setMousePointer(this, platform::MousePointer::Default);
}

// ---- What the shared services call ----

void frmTallies::ShowCards(bool Show)
{
    FieldCardDisplay(Show);
    ShowLowerCards(Show);
}

void frmTallies::ShowControls(bool ShowRound, bool)
{
    CardTotalVisible(ShowRound);
    ShowTimerRect(ShowRound);
}

// ---- Value labels ----

void frmTallies::placeInBox(platform::Label* label, const QWidget* box)
{
    autoSize(label);
    label->move(box->x() + (box->width() - label->width()) / 2, label->y());
}

void frmTallies::lblCurrentTallies_Change() { placeInBox(lblCurrentTallies, TalliesRectangle); }
void frmTallies::lblCurrentRound_Change() { placeInBox(lblCurrentRound, RoundRectangle); }
void frmTallies::lblCurrentTotal_Change() { placeInBox(lblCurrentTotal, CardTotalRectangle); }

void frmTallies::lblCurrentScore_Change()
{
    placeInBox(lblCurrentScore, ScoreRectangle);
    lblCurrentScore->setForeColor(gScore >= 0 ? platform::ColorBlue : platform::ColorRed);
}

void frmTallies::lblMessage_Change()
{
    autoSize(lblMessage);
    const QString caption = lblMessage->caption();
    const bool low = caption == QStringLiteral("Times Up!") || caption == QStringLiteral("Game Paused");
    lblMessage->move(lblMessage->x(), low ? PlayCardPicture->y() : FieldSelectionRectangle[0]->y() + platform::toPixels(1905));
    lblMessage->move(lblTotal->x() + lblTotal->width() / 2 - lblMessage->width() / 2, lblMessage->y());
}

void frmTallies::lblTime_Change()
{
    autoSize(lblTime);
    const QWidget* mark = FieldSelectionRectangle[1];
    lblTime->move(mark->x() + mark->width() / 2 - lblTime->width() / 2, lblTime->y());
}

// ---- Sounds ----

void frmTallies::PlayWaveFile(const QString& FileName) { ::PlayWaveFile(FileName); }

void frmTallies::playSound(const char* name)
{
    if (gSoundsOn)
        PlayWaveFile(appFile(QLatin1String(name)));
}

void frmTallies::showScore()
{
    lblCurrentScore->setCaption(platform::formatGrouped(gScore));
    lblCurrentScore->refresh();
}
