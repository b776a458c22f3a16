#include "games/quickjack/frmQuickjack.h"

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
#include "games/quickjack/QuickjackLayout.h"
#include "games/quickjack/QuickjackSettings.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>

using namespace quickjack::layout;
using platform::setGeometryTw;
using namespace tablecontrols;

frmQuickjack::frmQuickjack(QWidget* parent) : GameWindow(QStringLiteral("frmQuickjack"), parent)
{
    Timer3 = new platform::Timer(this, 90, false);
    Timer3->setInterval(gTimerSpeed > 0 ? gTimerSpeed : 90);
    Timer3->onTimer = [this] { Timer3_Timer(); };
    Timer5 = new platform::Timer(this, 250, false);
    Timer5->onTimer = [this] { Timer5_Timer(); };
    Timer5->setRunsDuringWaits(true);
    holdWhileMinimized(Timer3);
    buildBoard();
    buildMenus();
    finishWindowSetup([this] { Timer1_Timer(); }, [this] { Timer2_Timer(); }, MinWidth, MinHeight);
    Form_Load();
}

// ---- Building the board ----

void frmQuickjack::buildBoard()
{
    FeltPanel* board = addFeltBoard();

    buildColumns(board);
    buildTopRow(board);
    buildScoreInfo(board);
    // The splash's cards and titles at the design scale.
    static constexpr GameSplash::Look SplashLook{
        .cardWidth = 1065, .cardHeight = 1440, .cardLeft = 320, .cardTop = 600, .cardStepX = 400, .cardStepY = 600,
        .textLeft = 2820, .textWidth = 2700, .companyTop = 900, .nameTop = 1260, .versionTop = 2160,
        .platformTop = 2460, .namePointSize = 22};
    frmSplash = new GameSplash(board, SplashLook);
    setGeometryTw(frmSplash, 495, SplashTop, SplashWidth, SplashHeight);
    buildMessages(board);
    connectChangeHandlers();
}

void frmQuickjack::buildColumns(QWidget* board)
{
    for (int c = 0; c < quickjack::ColumnCount; ++c) {
        const QString n = QString::number(c + 1);
        cmdHit[c] = makeButton(board, QStringLiteral("cmdHit%1").arg(c), QStringLiteral("Hit"));
        setGeometryTw(cmdHit[c], 0, HitTop, CardWidth, HitHeight);
        connect(cmdHit[c], &QPushButton::clicked, this, [this, c] { cmdHit_Click(c); });
        cmdHit[c]->setEnabled(false);
        cmdHit[c]->hide();

        ColumnTotal[c] = makeLabel(board, QStringLiteral("ColumnTotal%1").arg(c), QStringLiteral("0"), 15, true);
        ColumnTotal[c]->setAlignment(Qt::AlignCenter);
        ColumnTotal[c]->setForeColor(platform::ColorWhite);
        setGeometryTw(ColumnTotal[c], 0, TotalTop, TotalWidth, TotalHeight);

        ColumnSoft[c] = makeLabel(board, QStringLiteral("ColumnSoft%1").arg(c), QString(), 9, true);
        ColumnSoft[c]->setForeColor(0x4ad5ff); // warm yellow on the felt
        setGeometryTw(ColumnSoft[c], 0, SoftTop, 360, 210);
        ColumnSoft[c]->hide();

        if (c + 1 < quickjack::ColumnCount) {
            ColumnLine[c] = makeLine(board, QStringLiteral("Column%1Line").arg(n), FeltLine);
            ColumnLine[c]->lower();
        }
        for (int k = 0; k < quickjack::CardsPerColumn; ++k) {
            auto* slot = new CardImage(board);
            slot->setObjectName(QStringLiteral("Column%1_%2").arg(n).arg(k));
            setGeometryTw(slot, 0, SlotTops[k], CardWidth, CardHeight);
            slot->hide();
            Column[c][k] = slot;
        }
    }

    cmdPass = makeButton(board, QStringLiteral("cmdPass"), QStringLiteral("&Pass"));
    setGeometryTw(cmdPass, 6012, HitTop, CardWidth, HitHeight);
    connect(cmdPass, &QPushButton::clicked, this, [this] { cmdPass_Click(); });
    cmdPass->hide();
    cmdTakeScore = makeButton(board, QStringLiteral("cmdTakeScore"), QStringLiteral("&Take Score"),
                              QStringLiteral("Totals score for current round"));
    setGeometryTw(cmdTakeScore, 7440, HitTop, CardWidth, HitHeight);
    connect(cmdTakeScore, &QPushButton::clicked, this, [this] { cmdTakeScore_Click(); });
    cmdTakeScore->hide();
}

void frmQuickjack::buildTopRow(QWidget* board)
{
    PlayCardPicture = new CardImage(board);
    PlayCardPicture->setObjectName(QStringLiteral("PlayCardPicture"));
    setGeometryTw(PlayCardPicture, 345, PileTop, CardWidth, CardHeight);
    PlayCardPicture->hide();
    NextCardPicture = new CardImage(board);
    NextCardPicture->setObjectName(QStringLiteral("NextCardPicture"));
    setGeometryTw(NextCardPicture, 1815, PileTop, CardWidth, CardHeight);
    NextCardPicture->hide();

    cmdPlay = makeButton(board, QStringLiteral("cmdPlay"), QStringLiteral("&Play"), QStringLiteral("Starts a new game"));
    setGeometryTw(cmdPlay, 7695, ButtonTop[0], ButtonWidth, ButtonHeight);
    connect(cmdPlay, &QPushButton::clicked, this, [this] { cmdPlay_Click(); });
    cmdPause = makeButton(board, QStringLiteral("cmdPause"), QStringLiteral("P&ause"),
                          QStringLiteral("Pauses the game in progress"));
    setGeometryTw(cmdPause, 7695, ButtonTop[1], ButtonWidth, ButtonHeight);
    cmdPause->setEnabled(false);
    connect(cmdPause, &QPushButton::clicked, this, [this] { cmdPause_Click(); });
    cmdExit = makeButton(board, QStringLiteral("cmdExit"), QStringLiteral("E&xit"), QStringLiteral("Closes Quickjack "));
    setGeometryTw(cmdExit, 7695, ButtonTop[2], ButtonWidth, ButtonHeight);
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    TimerRectangle = makeBox(board, QStringLiteral("TimerRectangle"));
    setGeometryTw(TimerRectangle, 4575, 255, TimerRectWidth, TimerRectHeight);
    Surface = makeClockSurface(board, QStringLiteral("Displays time remaining in current round"));
    setGeometryTw(Surface, 4650, SurfaceTop, SurfaceWidth, SurfaceHeight);
    TimerBevelSide = makeLine(board, QStringLiteral("TimerBevelSide"), Shadow);
    TimerBevelBottom = makeLine(board, QStringLiteral("TimerBevelBottom"), Shadow);
    lblTime = makeLabel(board, QStringLiteral("lblTime"), QStringLiteral("Time:"), 10, true);
    platform::moveTw(lblTime, 4995, CaptionTop);

    ScoreRectangle = makeBox(board, QStringLiteral("ScoreRectangle"));
    setGeometryTw(ScoreRectangle, 3195, 480, ScoreRectWidth, ScoreRectHeight);
    ScoreBevelSide = makeLine(board, QStringLiteral("ScoreBevelSide"), Shadow);
    ScoreBevelBottom = makeLine(board, QStringLiteral("ScoreBevelBottom"), Shadow);
    lblScore = makeLabel(board, QStringLiteral("lblScore"), QStringLiteral("Score:"), 10, true);
    platform::moveTw(lblScore, 3450, CaptionTop);
    lblTotalScore = makeLabel(board, QStringLiteral("lblTotalScore"), QStringLiteral("0"), 13, true);
    lblTotalScore->setToolTip(QStringLiteral("Displays your Current Score"));
    lblTotalScore->setForeColor(platform::ColorBlue);
    lblCurrentScore = lblTotalScore;
    tablecontrols::keepInBox(lblTotalScore, ScoreRectangle);

    lblCardsUsed = makeLabel(board, QStringLiteral("lblCardsUsed"), QStringLiteral("Cards used:"), 10, true);
    platform::moveTw(lblCardsUsed, 6015, CardsUsedTop);
    lblCardsUsedCount = makeLabel(board, QStringLiteral("lblCardsUsedCount"), QStringLiteral("0"), 12, true);
    platform::moveTw(lblCardsUsedCount, 7140, CardsUsedCountTop);
    lblCardsUsed->setForeColor(0xffe0b0); // a light blue that reads on the felt; red while paid
    lblCardsUsedCount->setForeColor(0xffe0b0);

    lblRound = makeLabel(board, QStringLiteral("lblRound"), QStringLiteral("Round:"), 12, true);
    platform::moveTw(lblRound, 6150, RoundTop);
    lblHighScore = makeLabel(board, QStringLiteral("lblHighScore"), QStringLiteral("High Score:"), 9, true);
    lblHighScore->setForeColor(0x4ad5ff);
    platform::moveTw(lblHighScore, 6150, HighScoreTop);
}

void frmQuickjack::buildScoreInfo(QWidget* board)
{
    frameScoreInfo = new QGroupBox(QStringLiteral("Twenty One Scoring Status"), board);
    frameScoreInfo->setObjectName(QStringLiteral("frameScoreInfo"));
    frameScoreInfo->setStyleSheet(QStringLiteral(
        "QGroupBox#frameScoreInfo { background-color: #fbf6e6; color: #1b3a2a; border: 1px solid #8a6d2b; "
        "border-radius: 5px; margin-top: 0px; font-weight: bold; padding-top: 16px; }"
        "QGroupBox#frameScoreInfo::title { subcontrol-origin: padding; subcontrol-position: top center; "
        "padding-top: 3px; }"));
    setGeometryTw(frameScoreInfo, 6135, FrameTop, 2700, FrameHeight);
    QWidget* f = frameScoreInfo;
    lblTwentyOnes = makeLabel(f, QStringLiteral("lblTwentyOnes"), QStringLiteral("21's earned:"), 9, true);
    lbl21s = makeLabel(f, QStringLiteral("lbl21s"), QStringLiteral("0"), 11, true);
    lbl21Bonus = makeLabel(f, QStringLiteral("lbl21Bonus"), QStringLiteral("Bonus:"), 9, true);
    lblBonus = makeLabel(f, QStringLiteral("lblBonus"), QStringLiteral("0"), 11, true);
    lblTwentyoneTime = makeLabel(f, QStringLiteral("lblTwentyoneTime"), QStringLiteral("21 Counter:"), 9, true);
    lblRoundScore = makeLabel(f, QStringLiteral("lblRoundScore"), QStringLiteral("Round Score"), 9, true);
    lblRoundScoreCount = makeLabel(f, QStringLiteral("lblRoundScoreCount"), QStringLiteral("0"), 11, true);
    const std::pair<platform::Label*, int> rows[] = {{lblTwentyOnes, 300}, {lbl21s, 520},    {lbl21Bonus, 830},
                                                    {lblBonus, 1050},     {lblTwentyoneTime, 1360},
                                                    {lblRoundScore, 1950}, {lblRoundScoreCount, 2200}};
    for (const auto& [label, top] : rows) {
        label->setForeColor(platform::ColorBlue);
        platform::setTopTw(label, top);
    }
    lblTwentyOnes->setForeColor(0x2a3a1b);
    lbl21Bonus->setForeColor(0x2a3a1b);
    lblRoundScore->hide();
    lblRoundScoreCount->hide();
    ProgressBar1 = new QProgressBar(f);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(quickjack::QuickjackCounter::Min, quickjack::QuickjackCounter::Max);
    ProgressBar1->setValue(quickjack::QuickjackCounter::Min);
    ProgressBar1->setTextVisible(false);
    setGeometryTw(ProgressBar1, 200, 1620, 2300, 255);
}

void frmQuickjack::buildMessages(QWidget* board)
{
    auto* outline = makeBox(board, QStringLiteral("ScoringLabelOutline"));
    setGeometryTw(outline, 300, OutlineTop, 5430, OutlineHeight);
    outline->hide();
    ScoringLabelOutline = outline;
    ScoringLabelInfo = makeLabel(board, QStringLiteral("ScoringLabelInfo"), QString(), 16, true);
    ScoringLabelInfo->setForeColor(platform::ColorRed);
    ScoringLabelInfo->hide();

    lblBust = makeLabel(board, QStringLiteral("lblBust"), QStringLiteral("Bust"), 22, true);
    lblBust->setForeColor(platform::ColorRed);
    platform::setTopTw(lblBust, 1620);
    lblBust->hide();
    lblFiveCards = makeLabel(board, QStringLiteral("lblFiveCards"), QStringLiteral("Five Card Gimme"), 12, true);
    lblFiveCards->setForeColor(0x4ad5ff);
    platform::setTopTw(lblFiveCards, 3300);
    lblFiveCards->hide();
}

// ---- Load ----

void frmQuickjack::Form_Load()
{
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    recordStartTime();
    frmSplash->show();
    startSplash();
    gGameInProgress = false;
    mGameAbandoned = false;
    gMusicOn = false;
    gDeckIndex = 0;
    platform::resizeTw(this, MinWidth, MinHeight);
    frmSplash->showTitles();
    setWindowTitle(gGameTitle);

    // Without the built-in values a file missing a key would leave a round worth nothing.
    quickjack::SetBuiltInValues();
    const quickjack::QuickjackSettings s = quickjack::LoadSettingsINI(quickjack::PlacementOf(*this));
    setSoundsOn(s.soundsOn.value_or(quickjack::SettingsDefaults::SoundsOn));
    if (s.timerSpeedRefused)
        platform::MsgBox(quickjack::TimerSpeedRefusedMessage(), platform::vbOKOnly);
    setMusicOn(s.musicOn.value_or(quickjack::SettingsDefaults::MusicOn));
    chooseCardBack(s.cardBack.value_or(quickjack::CardBackOfDeckNumber(quickjack::SettingsDefaults::DeckDesign)));
    quickjack::ApplyScoringSettings(s);
    Timer3->setInterval(gTimerSpeed);
    // A limit the menu does not offer is played as it is, with no entry checked.
    const int limit = s.timeLimit.value_or(gTimeLimit);
    if (timeLimitEntry(limit))
        chooseTimeLimit(limit);
    else
        gTimeLimit = limit;
    quickjack::ApplyWindowPlacement(*this, s);

    showWelcome(QStringLiteral("!      "));
    quickjack::CheckForCustom();
    frmSplash->showBacks();
    ShowControls(false);
    InitTimerSurface(*this);
    centreWindow();
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void frmQuickjack::writeSettings()
{
    // The player still leaves; the options changed in this session are what gets lost.
    const quickjack::SettingsSaveResult saved = quickjack::SaveSettingsOnClose(quickjack::PlacementOf(*this));
    if (!saved.ok)
        platform::MsgBox(saved.message, platform::vbExclamation, gGameTitle);
}

void frmQuickjack::onQuitConfirmed()
{
    GameWindow::onQuitConfirmed();
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
    Timer5->setEnabled(false);
}

void frmQuickjack::cmdExit_Click() { close(); }

void frmQuickjack::Timer4_Timer() { frmSplash->animate(); }
