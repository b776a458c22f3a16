#include "games/duetto/frmDuetto.h"

#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/window/FeltPanel.h"
#include "core/scores/GameScoring.h"
#include "core/window/GameSplash.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "core/SuiteGlobals.h"
#include "core/window/TableControls.h"
#include "games/duetto/DuettoCustomScoring.h"
#include "games/duetto/DuettoLayout.h"
#include "games/duetto/DuettoRound.h"
#include "games/duetto/DuettoSettings.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

#include <QAction>
#include <QPushButton>

using namespace duetto::layout;
using platform::setGeometryTw;
using tablecontrols::Cream;
using tablecontrols::makeClockSurface;
using tablecontrols::makeLine;

namespace {
const QColor SelectionColour(0xff, 0xd5, 0x3a);
constexpr long Gold = 0x4cc9f2;  // headings on the felt
constexpr long Ink = 0x2a3a1b;   // values in the cream boxes

platform::Label* makeLabel(QWidget* parent, const QString& name, const QString& caption, int top, int pointSize,
                           bool bold, long colour)
{
    platform::Label* label = tablecontrols::makeLabel(parent, name, caption, pointSize, bold);
    label->setForeColor(colour);
    label->adjustSize();
    platform::setTopTw(label, top);
    return label;
}

ShapeControl* makeBox(QWidget* parent, const QString& name, int top, int width, int height)
{
    ShapeControl* box = tablecontrols::makeBox(parent, name);
    setGeometryTw(box, 0, top, width, height);
    return box;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QString& tip, int top)
{
    QPushButton* button = tablecontrols::makeButton(parent, name, caption, tip);
    setGeometryTw(button, 0, top, ButtonWidth, ButtonHeight);
    return button;
}

int rowOf(int index)
{
    return index < 5 ? 0 : index < 9 ? 1 : index < 14 ? 2 : index < 18 ? 3 : 4;
}
} // namespace

frmDuetto::frmDuetto(QWidget* parent) : GameWindow(QStringLiteral("frmDuetto"), parent)
{
    buildBoard();
    buildMenus();
    finishWindowSetup([this] { Timer1_Timer(); }, [this] { Timer2_Timer(); }, MinWidth, MinHeight);
    Form_Load();
}

// ---- Building the table ----

void frmDuetto::buildBoard()
{
    FeltPanel* board = addFeltBoard();
    buildPanels(board);
    buildCards(board);
    buildButtons(board);
    // The splash's cards and titles at the design scale.
    static constexpr GameSplash::Look SplashLook{
        .cardWidth = 1035, .cardHeight = 1455, .cardLeft = 360, .cardTop = 700, .cardStepX = 600, .cardStepY = 420,
        .textLeft = 3900, .textWidth = 3000, .companyTop = 1000, .nameTop = 1380, .versionTop = 2280,
        .platformTop = 2580, .namePointSize = 24};
    frmSplash = new GameSplash(board, SplashLook);
    setGeometryTw(frmSplash, 0, 0, SplashWidth, SplashHeight);
    buildMessages(board);
    connectChangeHandlers();
}

void frmDuetto::buildCards(QWidget* board)
{
    // Created row by row, so each row lies over the one above.
    for (int i = 0; i < duetto::PlaceCount; ++i) {
        CardImage* card = new CardImage(board);
        card->setObjectName(QStringLiteral("PlayCard%1").arg(i));
        setGeometryTw(card, 0, i == duetto::PileCard ? PileTop : RowTop[rowOf(i)], CardWidth, CardHeight);
        card->onClick = [this, i] { PlayCard_Click(i); };
        card->hide();
        PlayCard[i] = card;
    }
    CardStackPicture = new CardImage(board);
    CardStackPicture->setObjectName(QStringLiteral("CardStackPicture"));
    setGeometryTw(CardStackPicture, 0, StockTop, CardWidth, CardHeight);
    CardStackPicture->onClick = [this] { CardStackPicture_Click(); };
    CardStackPicture->hide();
    for (int i = 0; i < duetto::PlaceCount; ++i) {
        auto* mark = new ShapeControl(board, QColor(), SelectionColour, 3, 6);
        mark->setObjectName(QStringLiteral("FieldSelectionRectangle%1").arg(i));
        setGeometryTw(mark, 0, platform::topTw(PlayCard[i]), CardWidth, CardHeight);
        mark->hide();
        FieldSelectionRectangle[i] = mark;
    }
}

void frmDuetto::buildPanels(QWidget* board)
{
    TimerRectangle = makeBox(board, QStringLiteral("TimerRectangle"), TimerBoxTop, TimerBoxWidth, TimerBoxHeight);
    Surface = makeClockSurface(board);
    setGeometryTw(Surface, 0, SurfaceTop, SurfaceWidth, SurfaceHeight);
    ScoreRectangle = makeBox(board, QStringLiteral("ScoreRectangle"), ScoreBoxTop, BoxWidth, BoxHeight);
    RoundRectangle = makeBox(board, QStringLiteral("RoundRectangle"), RoundBoxTop, BoxWidth, BoxHeight);
    PairRectangle = makeBox(board, QStringLiteral("PairRectangle"), PairBoxTop, BoxWidth, BoxHeight);
    RunRectangle = makeBox(board, QStringLiteral("RunRectangle"), RunBoxTop, BoxWidth, BoxHeight);

    const auto bevels = [board](LineControl*& side, LineControl*& bottom, const char* name, int top, int height) {
        side = makeLine(board, QLatin1String(name) + QStringLiteral("BevelSide"));
        bottom = makeLine(board, QLatin1String(name) + QStringLiteral("BevelBottom"));
        side->setEnds(0, top + 45, 0, top + height + 15);
        bottom->setEnds(0, top + height + 15, 0, top + height + 15);
    };
    bevels(ScoreBevelSide, ScoreBevelBottom, "Score", ScoreBoxTop, BoxHeight);
    bevels(RoundBevelSide, RoundBevelBottom, "Round", RoundBoxTop, BoxHeight);
    bevels(PairBevelSide, PairBevelBottom, "Pair", PairBoxTop, BoxHeight);
    bevels(RunBevelSide, RunBevelBottom, "Run", RunBoxTop, BoxHeight);
    TimerBevelSide = makeLine(board, QStringLiteral("TimerBevelSide"));
    TimerBevelBottom = makeLine(board, QStringLiteral("TimerBevelBottom"));
    TimerBevelSide->setEnds(0, SurfaceTop - 15, 0, SurfaceTop + SurfaceHeight + 30);
    TimerBevelBottom->setEnds(0, SurfaceTop + SurfaceHeight + 30, 0, SurfaceTop + SurfaceHeight + 30);

    lblTime = makeLabel(board, QStringLiteral("lblTime"), QStringLiteral("Time: 45"), TimeTop, 11, true, Gold);
    lblScore = makeLabel(board, QStringLiteral("lblScore"), QStringLiteral("Score:"), ScoreBoxTop - CaptionAboveBox, 10,
                         true, Gold);
    lblCurrentScore = makeLabel(board, QStringLiteral("lblCurrentScore"), QStringLiteral("0"), ScoreBoxTop + ValueInBox,
                                11, true, platform::ColorBlue);
    lblRound = makeLabel(board, QStringLiteral("lblRound"), QStringLiteral("Round:"), RoundBoxTop - CaptionAboveBox, 10,
                         true, Gold);
    lblCurrentRound = makeLabel(board, QStringLiteral("lblCurrentRound"), QStringLiteral("1"),
                                RoundBoxTop + ValueInBox, 13, true, Ink);
    lblPairs = makeLabel(board, QStringLiteral("lblPairs"), QStringLiteral("Pairs x 3000"), PairBoxTop - CaptionAboveBox,
                         10, true, Gold);
    lblScorePairs = makeLabel(board, QStringLiteral("lblScorePairs"), QStringLiteral("0"), PairBoxTop + ValueInBox, 13,
                              true, Ink);
    lblRuns = makeLabel(board, QStringLiteral("lblRuns"), QStringLiteral("Runs x 500"), RunBoxTop - CaptionAboveBox, 10,
                        true, Gold);
    lblScoreRuns = makeLabel(board, QStringLiteral("lblScoreRuns"), QStringLiteral("0"), RunBoxTop + ValueInBox, 13, true,
                             Ink);
    // Values stand in the middle of their boxes' height.
    for (auto [label, box] : {std::pair{lblCurrentScore, ScoreRectangle}, std::pair{lblCurrentRound, RoundRectangle},
                              std::pair{lblScorePairs, PairRectangle}, std::pair{lblScoreRuns, RunRectangle}})
        platform::setTopTw(label, platform::topTw(box) + (platform::heightTw(box) - platform::heightTw(label)) / 2);
    for (auto [label, box] : {std::pair{lblCurrentScore, ScoreRectangle}, std::pair{lblScorePairs, PairRectangle},
                              std::pair{lblScoreRuns, RunRectangle}})
        tablecontrols::keepInBox(label, box);
    lblCardCount = makeLabel(board, QStringLiteral("lblCardCount"), QStringLiteral("Cards:"), CardCountTop, 10, true, Gold);
    lblCards = makeLabel(board, QStringLiteral("lblCards"), QStringLiteral("28"), CardsTop, 16, true,
                         platform::ColorWhite);
    lblHighScore = makeLabel(board, QStringLiteral("lblHighScore"), QString(), HighScoreTop, 10, true,
                             platform::ColorWhite);
}

void frmDuetto::buildButtons(QWidget* board)
{
    cmdPlay = makeButton(board, QStringLiteral("cmdPlay"), QStringLiteral("&Play"), QStringLiteral("Starts a new game"),
                         PlayTop);
    connect(cmdPlay, &QPushButton::clicked, this, [this] { cmdPlay_Click(); });
    cmdPause = makeButton(board, QStringLiteral("cmdPause"), QStringLiteral("Pau&se"),
                          QStringLiteral("Pauses the current game"), PauseTop);
    cmdPause->setEnabled(false);
    connect(cmdPause, &QPushButton::clicked, this, [this] { cmdPause_Click(); });
    cmdTakeScore = makeButton(board, QStringLiteral("cmdTakeScore"), QStringLiteral("&Take Score"),
                              QStringLiteral("End current round and take score"), TakeScoreTop);
    cmdTakeScore->setEnabled(false);
    connect(cmdTakeScore, &QPushButton::clicked, this, [this] { cmdTakeScore_Click(); });
    cmdExit = makeButton(board, QStringLiteral("cmdExit"), QStringLiteral("E&xit"), QStringLiteral("Exits the game"),
                         ExitTop);
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
}

void frmDuetto::buildMessages(QWidget* board)
{
    lblMessage = makeLabel(board, QStringLiteral("lblMessage"), QString(), MessageTop, 20, true, platform::ColorRed);
    lblMessage->hide();
    lblScoring = makeLabel(board, QStringLiteral("lblScoring"), QString(), ScoringTop, 20, true, platform::ColorRed);
    // A cream backing keeps the red and black figures readable on the felt.
    lblScoring->setAutoFillBackground(true);
    QPalette p = lblScoring->palette();
    p.setColor(QPalette::Window, Cream);
    lblScoring->setPalette(p);
    lblScoring->setContentsMargins(8, 2, 8, 2);
    lblScoring->hide();
}

// ---- Load ----

void frmDuetto::Form_Load()
{
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    startSplash();
    Timer1->setEnabled(false);

    // The built-in values first: whatever the settings file cannot give keeps them.
    gGameInProgress = false;
    SetDuettoDefaults();
    gCountDownScore = duetto::SettingsDefaults::CountDownScore;
    // The limit alone: its table is made only once the file has said which limit is in force.
    gTimeLimit = duetto::SettingsDefaults::TimeLimit;
    setSoundsOn(duetto::SettingsDefaults::SoundsOn);
    setMusicOn(duetto::SettingsDefaults::MusicOn);
    chooseCardBack(CardBackDesign::PalmTree);

    setWindowTitle(gGameTitle);
    showWelcome(QStringLiteral("  "));
    platform::resizeTw(this, MinWidth, MinHeight);

    // A file that cannot be opened is first written from the values above; what it says is applied
    // through the menus' own handlers, so the check marks, top score and stock picture follow it.
    const duetto::DuettoSettings settings = duetto::LoadSettingsINI(duetto::PlacementOf(*this));
    applyMenuOptions(settings);
    if (!settings.timeLimit)
        chooseTimeLimit(gTimeLimit);
    duetto::ApplyScoringSettings(settings);
    duetto::ApplyWindowPlacement(*this, settings);

    CheckForCustom();
    recordStartTime();
    lblPairs->setCaption(duetto::PairsCaption());
    lblRuns->setCaption(duetto::RunsCaption());
    ShowControls(false, true);
    frmSplash->showBacks();
    frmSplash->show();
    frmSplash->showTitles();
    centreWindow();
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void frmDuetto::writeSettings()
{
    // The player still leaves; the options changed in this session are what gets lost.
    if (!duetto::WriteSettingsINI(duetto::CurrentSettings(), duetto::PlacementOf(*this)))
        platform::MsgBox(duetto::SettingsNotSavedMessage(), platform::vbExclamation, gGameTitle);
}

void frmDuetto::CheckForCustom() { duetto::CheckForCustom(); }

void frmDuetto::Timer4_Timer() { frmSplash->animate(); }

void frmDuetto::ShowControls(bool ShowRound, bool ShowInfo)
{
    for (QWidget* w : std::initializer_list<QWidget*>{
             lblCardCount, lblCards, lblTime, Surface, lblRound, lblCurrentRound, lblRuns, lblScoreRuns, lblPairs,
             lblScorePairs, lblHighScore, TimerRectangle, TimerBevelSide, TimerBevelBottom, RoundRectangle,
             RoundBevelSide, RoundBevelBottom, RunRectangle, RunBevelSide, RunBevelBottom, PairRectangle,
             PairBevelSide, PairBevelBottom})
        w->setVisible(ShowRound);
    for (QWidget* w : std::initializer_list<QWidget*>{lblScore, lblCurrentScore, ScoreRectangle, ScoreBevelSide,
                                                      ScoreBevelBottom})
        w->setVisible(ShowInfo);
}
