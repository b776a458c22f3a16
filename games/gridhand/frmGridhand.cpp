#include "games/gridhand/frmGridhand.h"

#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/window/FeltPanel.h"
#include "core/scores/GameScoring.h"
#include "core/window/GameSplash.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "core/SuiteGlobals.h"
#include "core/window/TableControls.h"
#include "core/window/TimerPie.h"
#include "games/gridhand/GridhandLayout.h"
#include "games/gridhand/GridhandRules.h"
#include "games/gridhand/GridhandSettings.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

#include <QPushButton>

using namespace gridhand::layout;
using platform::setGeometryTw;
using namespace tablecontrols;

namespace {
// A label whose coloured text must read on the felt: it sits on a small cream card of its own.
platform::Label* makeTag(QWidget* parent, const QString& name, const QString& caption, int pointSize)
{
    platform::Label* label = makeLabel(parent, name, caption, pointSize, true);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, QColor(0xfb, 0xf6, 0xe6, 230));
    label->setPalette(p);
    label->setContentsMargins(4, 1, 4, 1);
    label->adjustSize();
    return label;
}
} // namespace

frmGridhand::frmGridhand(QWidget* parent) : GameWindow(QStringLiteral("frmGridhand"), parent)
{
    buildBoard();
    buildMenus();
    finishWindowSetup([this] { Timer1_Timer(); }, [this] { Timer2_Timer(); }, MinWidth, MinHeight);
    // The round runs on while the window is minimised; only Pause stops it.
    setRoundStopsWhenMinimized(false);
    Form_Load();
}

// ---- Building the board ----

void frmGridhand::buildBoard()
{
    FeltPanel* board = addFeltBoard();
    buildGrid(board);
    buildRightSide(board);
    // The splash's cards and titles at the design scale.
    static constexpr GameSplash::Look SplashLook{
        .cardWidth = 1035, .cardHeight = 1455, .cardLeft = 320, .cardTop = 500, .cardStepX = 400, .cardStepY = 600,
        .textLeft = 3500, .textWidth = 3500, .companyTop = 900, .nameTop = 1260, .versionTop = 2160,
        .platformTop = 2460, .namePointSize = 22};
    frmSplash = new GameSplash(board, SplashLook);
    setGeometryTw(frmSplash, 0, 0, SplashWidth, SplashHeight);
    buildMessages(board);
    connectChangeHandlers();
}

void frmGridhand::buildGrid(QWidget* board)
{
    for (int i = 0; i < gridhand::GridSize; ++i) {
        auto* cell = new CardImage(board);
        cell->setObjectName(QStringLiteral("PlayCards%1").arg(i));
        setGeometryTw(cell, 0, GridTop, CardWidth, CardHeight);
        cell->setPictureByKey(QStringLiteral("EMPTY"));
        cell->onClick = [this, i] { PlayCards_Click(i); };
        cell->hide();
        PlayCards[i] = cell;
    }
    for (int k = 1; k <= 5; ++k) {
        lblRow[k] = makeTag(board, QStringLiteral("lblRow%1").arg(k), QStringLiteral("Nothing"), 8);
        lblCol[k] = makeTag(board, QStringLiteral("lblCol%1").arg(k), QStringLiteral("Nothing"), 8);
        for (platform::Label* label : {lblRow[k], lblCol[k]}) {
            label->setForeColor(platform::ColorBlack);
            label->setAlignment(Qt::AlignCenter);
            label->hide();
        }
    }
    lblCards = makeLabel(board, QStringLiteral("lblCards"), QStringLiteral("Cards remaining: 52"), 10, true);
    lblHighScore = makeLabel(board, QStringLiteral("lblHighScore"), QStringLiteral("High Score: 30,000"), 10, true);
    lblHighScore->setForeColor(0x7ad9f2); // brass on the felt
    lblPointsEarned = makeLabel(board, QStringLiteral("lblPointsEarned"), QStringLiteral("Points Earned: 0"), 10, true);
    for (platform::Label* label : {lblCards, lblHighScore, lblPointsEarned})
        label->hide();
    lblHighScore->show();
}

void frmGridhand::buildRightSide(QWidget* board)
{
    cmdPlay = makeButton(board, QStringLiteral("cmdPlay"), QStringLiteral("&Play"), QStringLiteral("Starts a new game"));
    cmdPause = makeButton(board, QStringLiteral("cmdPause"), QStringLiteral("Pau&se"),
                          QStringLiteral("Pauses the current game"));
    cmdPause->setEnabled(false);
    cmdQuit = makeButton(board, QStringLiteral("cmdQuit"), QStringLiteral("E&xit"), QStringLiteral("Closes Gridhand"));
    setGeometryTw(cmdPlay, 0, PlayTop, ButtonWidth, ButtonHeight);
    setGeometryTw(cmdPause, 0, PauseTop, ButtonWidth, ButtonHeight);
    setGeometryTw(cmdQuit, 0, QuitTop, ButtonWidth, ButtonHeight);
    connect(cmdPlay, &QPushButton::clicked, this, [this] { cmdPlay_Click(); });
    connect(cmdPause, &QPushButton::clicked, this, [this] { cmdPause_Click(); });
    connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });

    lblOverWrites = makeTag(board, QStringLiteral("lblOverWrites"), QStringLiteral("Over Writes Remaining: 3"), 8);
    lblOverWrites->setForeColor(platform::ColorBlue);
    setGeometryTw(lblOverWrites, 0, OverWritesTop, platform::widthTw(lblOverWrites), platform::heightTw(lblOverWrites));
    lblScore = makeLabel(board, QStringLiteral("lblScore"), QStringLiteral("Score:"), 10, true);
    platform::setTopTw(lblScore, ScoreCaptionTop);
    ScoreRectangle = makeBox(board, QStringLiteral("ScoreRectangle"));
    setGeometryTw(ScoreRectangle, 0, ScoreRectTop, ScoreRectWidth, ScoreRectHeight);
    ScoreBevelSide = makeLine(board, QStringLiteral("ScoreBevelSide"));
    ScoreBevelBottom = makeLine(board, QStringLiteral("ScoreBevelBottom"));
    lblCurrentScore = makeLabel(board, QStringLiteral("lblCurrentScore"), QStringLiteral("0"), 12, true);
    lblCurrentScore->setForeColor(platform::ColorBlue);
    platform::setTopTw(lblCurrentScore, CurrentScoreTop);
    tablecontrols::keepInBox(lblCurrentScore, ScoreRectangle);

    TimerRectangle = makeBox(board, QStringLiteral("TimerRectangle"));
    setGeometryTw(TimerRectangle, 0, SurfaceTop - 30, TimerRectWidth, TimerRectHeight);
    Surface = makeClockSurface(board);
    setGeometryTw(Surface, 0, SurfaceTop, SurfaceWidth, SurfaceHeight);
    TimerBevelSide = makeLine(board, QStringLiteral("TimerBevelSide"));
    TimerBevelBottom = makeLine(board, QStringLiteral("TimerBevelBottom"));
    const int surfaceBottom = SurfaceTop + SurfaceHeight;
    TimerBevelSide->setEnds(0, SurfaceTop - 15, 0, surfaceBottom + 30);
    TimerBevelBottom->setEnds(0, surfaceBottom + 30, 0, surfaceBottom + 30);
    ScoreBevelSide->setEnds(0, ScoreRectTop + 60, 0, ScoreRectTop + ScoreRectHeight - 15);
    ScoreBevelBottom->setEnds(0, ScoreRectTop + ScoreRectHeight - 15, 0, ScoreRectTop + ScoreRectHeight - 15);
    lblTime = makeLabel(board, QStringLiteral("lblTime"), QStringLiteral("Time:"), 10, true);
    platform::setTopTw(lblTime, TimeCaptionTop);
    lblTimeBonus = makeLabel(Surface, QStringLiteral("lblTimeBonus"), QStringLiteral("75"), 12, true);
    lblTimeBonus->setForeColor(platform::ColorBlack);
    // A light backing keeps the seconds readable on every colour of the dial.
    lblTimeBonus->setAutoFillBackground(true);
    QPalette bonusPalette = lblTimeBonus->palette();
    bonusPalette.setColor(QPalette::Window, QColor(255, 255, 255, 215));
    lblTimeBonus->setPalette(bonusPalette);
    lblTimeBonus->setContentsMargins(3, 0, 3, 0);
    lblTimeBonus->adjustSize();

    CardStackPicture = new CardImage(board);
    CardStackPicture->setObjectName(QStringLiteral("CardStackPicture"));
    CardStackPicture->onClick = [this] { CardStackPicture_Click(); };
    HoleCard = new CardImage(board);
    HoleCard->setObjectName(QStringLiteral("HoleCard"));
    HoleCard->setPictureByKey(QStringLiteral("EMPTY"));
    for (CardImage* image : {CardStackPicture, HoleCard}) {
        setGeometryTw(image, 0, GridTop, CardWidth, CardHeight);
        image->hide();
    }
    lblRound = makeLabel(board, QStringLiteral("lblRound"), QStringLiteral("Round: 1"), 11, true);
    lblRound->hide();
    // Until the first game only the splash and the top score show, as after a game.
    for (QWidget* w : std::initializer_list<QWidget*>{lblTimeBonus, Surface, lblTime, TimerRectangle, TimerBevelSide,
                                                      TimerBevelBottom, lblOverWrites, ScoreRectangle, ScoreBevelSide,
                                                      ScoreBevelBottom, lblScore, lblCurrentScore})
        w->hide();
}

void frmGridhand::buildMessages(QWidget* board)
{
    auto* outline = makeBox(board, QStringLiteral("ScoringLabelOutline"));
    outline->setFillColor(QColor(0xfb, 0xf6, 0xe6, 235));
    setGeometryTw(outline, 0, 0, OutlineWidth, OutlineHeight);
    outline->hide();
    ScoringLabelOutline = outline;
    lblMessage = makeLabel(board, QStringLiteral("lblMessage"), QString(), 12, true);
    lblMessage->setForeColor(platform::ColorBlack);
    ScoringLabel = makeLabel(board, QStringLiteral("ScoringLabel"), QString(), 18, true);
    ScoringLabel->setForeColor(platform::ColorRed);
    lblScoring = makeLabel(board, QStringLiteral("lblScoring"), QString(), 18, true);
    lblScoring->setForeColor(platform::ColorRed);
    for (platform::Label* label : {lblMessage, ScoringLabel, lblScoring})
        label->hide();
}

// ---- Load ----

void frmGridhand::Form_Load()
{
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    setWindowTitle(gGameTitle);
    frmSplash->showTitles();

    mGameRunning = false;
    gGameInProgress = false;
    // Without the built-in scoring a settings file that cannot be read would leave every hand worth 0.
    gTimeLimit = gridhand::DefaultTimeLimit;
    gSoundsOn = true;
    gMusicOn = false;
    gDeckDesign = 1;
    gCountDownScore = true;
    SetGridhandDefaults();
    gridhand::gOverwritesUsed = 0;
    mSuppressClick = false;
    setSoundsOn(true);
    setMusicOn(false);

    platform::resizeTw(this, MinWidth, MinHeight);
    InitTimerSurface(*this);
    Timer1->setEnabled(false);
    showWelcome(QStringLiteral("   "));

    // What the file says is applied through the menus' own handlers, so the check marks, the top score
    // and the deck picture follow it; a limit or design it does not name leaves the defaults.
    const gridhand::GridhandSettings settings = gridhand::LoadSettingsINI(gridhand::PlacementOf(*this));
    chooseTimeLimit(settings.timeLimit.value_or(gridhand::DefaultTimeLimit));
    if (settings.soundsOn)
        setSoundsOn(*settings.soundsOn);
    if (settings.musicOn)
        setMusicOn(*settings.musicOn);
    if (settings.deckDesign) {
        const CardBackDesign designs[] = {CardBackDesign::PalmTree, CardBackDesign::MagicHands,
                                          CardBackDesign::NightCastle, CardBackDesign::HotCards};
        chooseCardBack(designs[*settings.deckDesign - 1]);
    } else {
        chooseCardBack(CardBackDesign::PalmTree);
    }
    gridhand::ApplyScoringSettings(settings);
    gridhand::ApplyWindowPlacement(*this, settings);
    gridhand::CheckForCustom();
    lblOverWrites->setCaption(QStringLiteral("Over Writes Remaining: ") + QString::number(gOverwritesAllowed));

    recordStartTime();
    centreWindow();
    frmSplash->showBacks();
    frmSplash->show();
    startSplash();
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void frmGridhand::writeSettings()
{
    // The player still leaves; the options changed in this session are what gets lost.
    if (!gridhand::WriteSettingsINI(gridhand::PlacementOf(*this)))
        platform::MsgBox(gridhand::SettingsWriteFailedMessage(), platform::vbExclamation, gGameTitle);
}

void frmGridhand::onQuitConfirmed()
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    mGameRunning = false;
    gGameInProgress = false;
}

void frmGridhand::cmdQuit_Click()
{
    if (gRoundOver)
        return;
    close();
}

void frmGridhand::Timer4_Timer() { frmSplash->animate(); }

void frmGridhand::ShowControls(bool ShowRound, bool ShowInfo)
{
    for (QWidget* w : std::initializer_list<QWidget*>{lblPointsEarned, lblRound, lblCards, lblOverWrites})
        w->setVisible(ShowRound);
    for (int k = 1; k <= 5; ++k) {
        lblRow[k]->setVisible(ShowRound);
        lblCol[k]->setVisible(ShowRound);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{lblTimeBonus, Surface, lblTime, TimerRectangle, TimerBevelSide,
                                                      TimerBevelBottom, ScoreRectangle, ScoreBevelBottom,
                                                      ScoreBevelSide, lblCurrentScore, lblScore, lblHighScore})
        w->setVisible(ShowInfo);
}
