#include "games/stackjack/frmStackjack.h"

#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/scores/GameScoring.h"
#include "core/window/GameSplash.h"
#include "core/scores/HighScores.h"
#include "core/SuiteGlobals.h"
#include "core/window/TableControls.h"
#include "core/window/TimerPie.h"
#include "games/stackjack/CardTotalPanel.h"
#include "core/window/FeltPanel.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "games/stackjack/StackjackLayout.h"
#include "games/stackjack/StackjackSettings.h"
#include "games/stackjack/StackjackTimeBonus.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QPushButton>

using namespace stackjack::layout;
using platform::setGeometryTw;
using namespace tablecontrols;

frmStackjack::frmStackjack(QWidget* parent) : GameWindow(QStringLiteral("frmStackjack"), parent)
{
    buildBoard();
    buildMenus();
    finishWindowSetup([this] { Timer1_Timer(); }, [this] { Timer2_Timer(); }, MinWidth, MinHeight);
    Form_Load();
}

// ---- Building the board ----

void frmStackjack::buildBoard()
{
    // Light text on the felt; the panels set their own dark text.
    FeltPanel* board = addFeltBoard();

    buildColumns(board);
    buildBottomRow(board);
    buildRightSide(board);
    // The splash's cards and titles at the design scale.
    static constexpr GameSplash::Look SplashLook{
        .cardWidth = 1065, .cardHeight = 1440, .cardLeft = 320, .cardTop = 600, .cardStepX = 400, .cardStepY = 600,
        .textLeft = 2820, .textWidth = 2700, .companyTop = 900, .nameTop = 1260, .versionTop = 2160,
        .platformTop = 2460, .namePointSize = 22};
    frmSplash = new GameSplash(board, SplashLook);
    setGeometryTw(frmSplash, 0, SplashTop, SplashWidth, SplashHeight);
    buildMessages(board);
    connectChangeHandlers();
}

void frmStackjack::buildColumns(QWidget* board)
{
    for (int c = 0; c < stackjack::ColumnCount; ++c) {
        const QString n = QString::number(c + 1);
        cmdHit[c] = makeButton(board, QStringLiteral("cmdHit%1").arg(c), QStringLiteral("Hit"));
        setGeometryTw(cmdHit[c], 0, HitTop, CardWidth, HitHeight);
        connect(cmdHit[c], &QPushButton::clicked, this, [this, c] { cmdHit_Click(c); });
        cmdHit[c]->hide();

        ColumnSoft[c] = makeLabel(board, QStringLiteral("ColumnSoft%1").arg(c), QString(), 9, true);
        setGeometryTw(ColumnSoft[c], 0, SoftTop, 0, 0);
        ColumnSoft[c]->setForeColor(0x4ad5ff); // warm yellow on the felt
        ColumnSoft[c]->hide();

        ColumnTotal[c] = makeLabel(board, QStringLiteral("ColumnTotal%1").arg(c), QStringLiteral("0"), 15, true);
        ColumnTotal[c]->setAlignment(Qt::AlignCenter);
        setGeometryTw(ColumnTotal[c], 0, TotalTop, CardWidth, TotalHeight);
        ColumnTotal[c]->setForeColor(platform::ColorWhite);
        ColumnTotal[c]->hide();

        ColumnLine[c] = makeLine(board, QStringLiteral("Column%1Line").arg(n), FeltLine);
        ColumnLine[c]->hide();

        for (int k = 0; k < stackjack::CardsPerColumn; ++k) {
            CardImage* slot = new CardImage(board);
            slot->setObjectName(QStringLiteral("Column%1_%2").arg(n).arg(k));
            setGeometryTw(slot, 0, SlotTop + k * SlotStep, CardWidth, CardHeight);
            slot->hide();
            Column[c][k] = slot;
        }
    }
}

void frmStackjack::buildBottomRow(QWidget* board)
{
    PlayCardPicture = new CardImage(board);
    PlayCardPicture->setObjectName(QStringLiteral("PlayCardPicture"));
    setGeometryTw(PlayCardPicture, 0, BottomRowTop, CardWidth, CardHeight);
    PlayCardPicture->hide();
    NextCardPicture = new CardImage(board);
    NextCardPicture->setObjectName(QStringLiteral("NextCardPicture"));
    NextCardPicture->setBorderStyle(1);
    setGeometryTw(NextCardPicture, 0, BottomRowTop, CardWidth, CardHeight);
    NextCardPicture->hide();

    cmdPass = makeButton(board, QStringLiteral("cmdPass"), QStringLiteral("&Pass"));
    setGeometryTw(cmdPass, 0, 0, PassWidth, PassHeight);
    connect(cmdPass, &QPushButton::clicked, this, [this] { cmdPass_Click(); });
    cmdPass->hide();
    lblRound = makeLabel(board, QStringLiteral("lblRound"), QStringLiteral("Round: 1"), 12, true);
    setGeometryTw(lblRound, 0, RoundTop, platform::widthTw(lblRound), platform::heightTw(lblRound));
    lblRound->hide();

    TimerRectangle = makeBox(board, QStringLiteral("TimerRectangle"));
    setGeometryTw(TimerRectangle, 0, SurfaceTop - 30, TimerRectWidth, TimerRectHeight);
    TimerRectangle->hide();
    Surface = makeClockSurface(board);
    setGeometryTw(Surface, 0, SurfaceTop, SurfaceSize, SurfaceSize);
    TimerBevelSide = makeLine(board, QStringLiteral("TimerBevelSide"), Shadow);
    TimerBevelBottom = makeLine(board, QStringLiteral("TimerBevelBottom"), Shadow);
    TimerBevelSide->hide();
    TimerBevelBottom->hide();
    lblTime = makeLabel(board, QStringLiteral("lblTime"), QStringLiteral("Time Bonus:"), 10, true);
    setGeometryTw(lblTime, 0, CaptionTop, platform::widthTw(lblTime), platform::heightTw(lblTime));
    lblTime->hide();
    lblTimeBonus = makeLabel(Surface, QStringLiteral("lblTimeBonus"), QStringLiteral("300"), 12, true);
    lblTimeBonus->setForeColor(platform::ColorBlack);
    // A light backing keeps the figure readable on every colour of the dial.
    lblTimeBonus->setAutoFillBackground(true);
    QPalette bonusPalette = lblTimeBonus->palette();
    bonusPalette.setColor(QPalette::Window, QColor(255, 255, 255, 215));
    lblTimeBonus->setPalette(bonusPalette);
    lblTimeBonus->setContentsMargins(3, 0, 3, 0);
    lblTimeBonus->adjustSize();
    lblTimeBonus->hide();

    ScoreRectangle = makeBox(board, QStringLiteral("ScoreRectangle"));
    setGeometryTw(ScoreRectangle, 0, SurfaceTop + SurfaceSize / 2 - ScoreRectHeight / 2, ScoreRectWidth, ScoreRectHeight);
    ScoreRectangle->hide();
    ScoreBevelSide = makeLine(board, QStringLiteral("ScoreBevelSide"), Shadow);
    ScoreBevelBottom = makeLine(board, QStringLiteral("ScoreBevelBottom"), Shadow);
    ScoreBevelSide->hide();
    ScoreBevelBottom->hide();
    lblScore = makeLabel(board, QStringLiteral("lblScore"), QStringLiteral("Score:"), 10, true);
    setGeometryTw(lblScore, 0, CaptionTop, platform::widthTw(lblScore), platform::heightTw(lblScore));
    lblScore->hide();
    lblTotalScore = makeLabel(board, QStringLiteral("lblTotalScore"), QStringLiteral("0"), 13, true);
    lblTotalScore->setForeColor(platform::ColorBlue);
    setGeometryTw(lblTotalScore, 0, TotalScoreTop, platform::widthTw(lblTotalScore), platform::heightTw(lblTotalScore));
    lblTotalScore->hide();
    tablecontrols::keepInBox(lblTotalScore, ScoreRectangle);
    lblHighScore = makeLabel(board, QStringLiteral("lblHighScore"), QString(), 8, false);
    lblHighScore->setWordWrap(true);
    lblHighScore->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblHighScore->setForeColor(0x2a3a1b);
    setGeometryTw(lblHighScore, 0, HighScoreTop, ScoreRectWidth - 120, 450);
    lblHighScore->hide();
}

void frmStackjack::buildRightSide(QWidget* board)
{
    frmScore = new CardTotalPanel(board);
    setGeometryTw(frmScore, 0, ScoreFrameTop, ScoreFrameWidth, ScoreFrameHeight);
    frmScore->hide();

    lblCurrentRoundScore = makeLabel(board, QStringLiteral("lblCurrentRoundScore"), QStringLiteral("Card Total"), 10, true);
    lblCurrentRoundScore->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblCurrentRoundScore->setStyleSheet(QStringLiteral("QLabel { background-color: #fbf6e6; color: #1b3a2a; "
                                                       "border: 1px solid #8a6d2b; border-radius: 5px; padding-top: 3px; }"));
    setGeometryTw(lblCurrentRoundScore, 0, CardTotalTop, ScoreFrameWidth, CardTotalHeight);
    lblCurrentRoundScore->hide();
    lblCurrentTotal = makeLabel(board, QStringLiteral("lblCurrentTotal"), QStringLiteral("0"), 22, true);
    lblCurrentTotal->setForeColor(platform::ColorRed);
    setGeometryTw(lblCurrentTotal, 0, CurrentTotalTop, platform::widthTw(lblCurrentTotal), platform::heightTw(lblCurrentTotal));
    lblCurrentTotal->hide();

    cmdGiveUp = makeButton(board, QStringLiteral("cmdGiveUp"), QStringLiteral("&Give Up"));
    QFont strong = cmdGiveUp->font();
    strong.setBold(true);
    cmdGiveUp->setFont(strong);
    setGeometryTw(cmdGiveUp, 0, GiveUpTop, ButtonWidth, GiveUpHeight);
    connect(cmdGiveUp, &QPushButton::clicked, this, [this] { cmdGiveUp_Click(); });
    cmdGiveUp->hide();

    cmdPlay = makeButton(board, QStringLiteral("cmdPlay"), QStringLiteral("&Play"));
    cmdPlay->setToolTip(QStringLiteral("Starts a new game"));
    setGeometryTw(cmdPlay, 0, PlayTop, ButtonWidth, ButtonHeight);
    connect(cmdPlay, &QPushButton::clicked, this, [this] { cmdPlay_Click(); });
    cmdPause = makeButton(board, QStringLiteral("cmdPause"), QStringLiteral("Pau&se"));
    cmdPause->setToolTip(QStringLiteral("Pauses the current game"));
    cmdPause->setEnabled(false);
    setGeometryTw(cmdPause, 0, PauseTop, ButtonWidth, ButtonHeight);
    connect(cmdPause, &QPushButton::clicked, this, [this] { cmdPause_Click(); });
    cmdQuit = makeButton(board, QStringLiteral("cmdQuit"), QStringLiteral("&Quit"));
    setGeometryTw(cmdQuit, 0, QuitTop, ButtonWidth, ButtonHeight);
    connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });
}

void frmStackjack::buildMessages(QWidget* board)
{
    ScoringLabelOutline = makeBox(board, QStringLiteral("ScoringLabelOutline"));
    setGeometryTw(ScoringLabelOutline, 0, OutlineTop, 0, OutlineHeight);
    ScoringLabelOutline->hide();
    ScoringLabelRoundTotal = makeLabel(board, QStringLiteral("ScoringLabelRoundTotal"), QString(), 18, true);
    ScoringLabelRoundTotal->setForeColor(platform::ColorBlack);
    ScoringLabel = makeLabel(board, QStringLiteral("ScoringLabel"), QString(), 18, true);
    ScoringLabel->setForeColor(platform::ColorBlue);
    ScoringLabelInfo = makeLabel(board, QStringLiteral("ScoringLabelInfo"), QString(), 11, false);
    for (platform::Label* label : {ScoringLabelRoundTotal, ScoringLabel, ScoringLabelInfo}) {
        setGeometryTw(label, 0, OutlineTop + OutlineHeight / 2, platform::widthTw(label), platform::heightTw(label));
        label->hide();
    }
}

// ---- Load ----

void frmStackjack::Form_Load()
{
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    setWindowTitle(gGameTitle);
    frmSplash->showTitles();

    // Without the built-in scoring a settings file that cannot be read would leave every round worth 0.
    SetStackjackDefaults();
    gGameInProgress = false;
    gTimeLimit = 60;
    gCardsToPass = 1;
    chooseTimeLimit(60);
    gMusicOn = false;

    Surface->hide();
    platform::resizeTw(this, MinWidth, MinHeight);
    InitTimerSurface(*this);
    Timer1->setEnabled(false);
    showWelcome(QStringLiteral("   "));

    // A file that cannot be opened is first written from the built-in values; what it says is applied
    // through the menus' own handlers, so the check marks, top score and deck picture follow it.
    const stackjack::StackjackSettings settings = stackjack::LoadSettingsINI(stackjack::PlacementOf(*this));
    applyMenuOptions(settings);
    // Also recomputes the decrement: "[Time]" came before the time bonuses it depends on.
    stackjack::ApplyScoringSettings(settings);
    stackjack::ApplyWindowPlacement(*this, settings);
    mGameAbandoned = false;
    ShowTopHighScore(QStringLiteral("HiScores"), *this, QStringLiteral("50000"));
    gGameInProgress = false;
    recordStartTime();
    if (gPassesLeft == 0)
        cmdPass->setEnabled(false);
    frmSplash->showBacks();
    frmSplash->show();
    startSplash();
    centreWindow();
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void frmStackjack::writeSettings()
{
    // The player still leaves; the options changed in this session are what gets lost.
    const stackjack::SettingsSaveResult saved = stackjack::SaveSettingsOnClose(stackjack::PlacementOf(*this));
    if (!saved.ok)
        platform::MsgBox(saved.message, platform::vbExclamation, gGameTitle);
}

void frmStackjack::closeEvent(QCloseEvent* event)
{
    const bool pausedBefore = gGameInProgress && isPaused();
    GameWindow::closeEvent(event);
    // No to the quit question goes back to playing, also when the player had paused before asking.
    if (!event->isAccepted() && pausedBefore && cmdPause->isEnabled() && isPaused())
        cmdPause_Click();
}

void frmStackjack::cmdQuit_Click() { close(); }

void frmStackjack::Timer4_Timer() { frmSplash->animate(); }

void frmStackjack::ShowControls(bool ShowRound, bool ShowInfo)
{
    ShowHitButtons(ShowRound);
    cmdPass->setVisible(ShowRound);
    for (QWidget* w : std::initializer_list<QWidget*>{ScoreRectangle, ScoreBevelSide, ScoreBevelBottom, lblScore,
                                                      lblTotalScore, lblHighScore})
        w->setVisible(ShowInfo);
}
