#include "games/cairnwell/frmCairnwell.h"

#include "core/cards/CardImage.h"
#include "core/window/ClockSurface.h"
#include "core/window/FeltPanel.h"
#include "core/scores/GameScoring.h"
#include "core/window/GameSplash.h"
#include "core/scores/HighScores.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"
#include "core/Sound.h"
#include "core/SuiteGlobals.h"
#include "core/window/TableControls.h"
#include "core/window/TimerPie.h"
#include "games/cairnwell/CairnwellLayout.h"
#include "games/cairnwell/CairnwellRound.h"
#include "games/cairnwell/CairnwellSettings.h"
#include "platform/Colors.h"
#include "platform/Conversions.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "platform/Wait.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

using namespace cairnwell::layout;
using platform::setGeometryTw;
using tablecontrols::Cream;
using tablecontrols::FeltLine;
using tablecontrols::makeBox;
using tablecontrols::makeLabel;
using tablecontrols::makeClockSurface;
using tablecontrols::makeLine;

namespace {
const QColor Selection(0xff, 0xd2, 0x3f);

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QString& tip)
{
    QPushButton* button = tablecontrols::makeButton(parent, name, caption, tip);
    setGeometryTw(button, 0, 0, ButtonWidth, ButtonHeight);
    return button;
}

CardImage* makeCard(QWidget* parent, const QString& name)
{
    auto* card = new CardImage(parent);
    card->setObjectName(name);
    setGeometryTw(card, 0, 0, CardWidth, CardHeight);
    card->hide();
    return card;
}

ShapeControl* makeMark(QWidget* parent, const QString& name)
{
    auto* mark = new ShapeControl(parent, QColor(), Selection, 3, 4);
    mark->setObjectName(name);
    setGeometryTw(mark, 0, 0, CardWidth, CardHeight);
    mark->hide();
    return mark;
}

void showPlace(CardImage* image, const cairnwell::Place& place)
{
    if (place.picture.empty())
        image->setPicture(0);
    else
        image->setPictureByKey(QString::fromStdString(place.picture));
    image->setBorderStyle(place.border);
    image->setVisible(place.visible);
}
} // namespace

frmCairnwell::frmCairnwell(QWidget* parent) : GameWindow(QStringLiteral("frmCairnwell"), parent)
{
    buildBoard();
    buildMenus();
    finishWindowSetup([this] { Timer1_Timer(); }, [this] { Timer2_Timer(); }, MinWidth, MinHeight);
    // Room for the round hints beside the messages of panel 1.
    StatusBar1->panel(2)->setMinimumWidth(platform::toPixels(3600));
    Form_Load();
}

// ---- Building the board ----

void frmCairnwell::buildBoard()
{
    FeltPanel* board = addFeltBoard();
    buildBoxes(board);
    buildTable(board);
    buildButtons(board);
    // The splash's cards and titles at the design scale.
    static constexpr GameSplash::Look SplashLook{
        .cardWidth = 1035, .cardHeight = 1455, .cardLeft = 360, .cardTop = 420, .cardStepX = 520, .cardStepY = 520,
        .textLeft = 3900, .textWidth = 3000, .companyTop = 900, .nameTop = 1260, .versionTop = 2160,
        .platformTop = 2460, .namePointSize = 24};
    frmSplash = new GameSplash(board, SplashLook);
    setGeometryTw(frmSplash, 0, 0, SplashWidth, SplashHeight);
    buildMessages(board);
    connectChangeHandlers();
}

void frmCairnwell::buildTable(QWidget* board)
{
    FieldRect = new ShapeControl(board, QColor(0, 0x30, 0x18, 70), FeltLine, 1.5, 8);
    FieldRect->setObjectName(QStringLiteral("FieldRect"));
    setGeometryTw(FieldRect, 0, 0, FieldWidth, FieldHeight);
    FieldRect->hide();
    lblFieldCards = makeLabel(board, QStringLiteral("lblFieldCards"), QStringLiteral("   Playing Field   "), 9, true);
    lblFieldCards->setAutoFillBackground(true);
    QPalette fieldPalette = lblFieldCards->palette();
    fieldPalette.setColor(QPalette::Window, QColor(0x1e, 0x5a, 0x34));
    lblFieldCards->setPalette(fieldPalette);
    lblFieldCards->hide();
    lblTemp = makeLabel(board, QStringLiteral("lblTemp"), QStringLiteral("Temporary Storage"), 9, true);
    lblTemp->hide();

    for (int i = 0; i < cairnwell::StorageCount; ++i) {
        TempCard[i] = makeCard(board, QStringLiteral("TempCard%1").arg(i));
        TempCard[i]->onClick = [this, i] { TempCard_Click(i); };
    }
    // Lower rows are made later, so they lie over the cards above them.
    for (int i = 0; i < cairnwell::PlaceCount; ++i) {
        PlayCard[i] = makeCard(board, QStringLiteral("PlayCard%1").arg(i));
        PlayCard[i]->onClick = [this, i] { PlayCard_Click(i); };
    }
    CardStackPicture = makeCard(board, QStringLiteral("CardStackPicture"));
    CardStackPicture->onClick = [this] { CardStackPicture_Click(); };
    for (int i = 0; i < cairnwell::FanCount; ++i) {
        UpCard[i] = makeCard(board, QStringLiteral("UpCard%1").arg(i));
        UpCard[i]->onClick = [this, i] { UpCard_Click(i); };
    }
    for (int i = 0; i < cairnwell::StorageCount; ++i)
        TempCardSelection[i] = makeMark(board, QStringLiteral("TempCardSelection%1").arg(i));
    for (int i = 0; i < cairnwell::PlaceCount; ++i)
        PlayCardSelection[i] = makeMark(board, QStringLiteral("PlayCardSelection%1").arg(i));
    UpCardSelection = makeMark(board, QStringLiteral("UpCardSelection"));

    lblCardCount = makeLabel(board, QStringLiteral("lblCardCount"), QStringLiteral("Cards remaining:"), 10, true);
    lblCardCount->hide();
}

void frmCairnwell::buildBoxes(QWidget* board)
{
    TripsRectangle = makeBox(board, QStringLiteral("TripsRectangle"));
    RunRectangle = makeBox(board, QStringLiteral("RunRectangle"));
    ScoreRectangle = makeBox(board, QStringLiteral("ScoreRectangle"));
    for (ShapeControl* box : {TripsRectangle, RunRectangle, ScoreRectangle})
        setGeometryTw(box, BoxLeft, 0, BoxWidth, BoxHeight);
    TimerRectangle = makeBox(board, QStringLiteral("TimerRectangle"));
    setGeometryTw(TimerRectangle, 0, 0, TimerRectWidth, TimerRectHeight);
    TripsBevelSide = makeLine(board, QStringLiteral("TripsBevelSide"));
    TripsBevelBottom = makeLine(board, QStringLiteral("TripsBevelBottom"));
    RunBevelSide = makeLine(board, QStringLiteral("RunBevelSide"));
    RunBevelBottom = makeLine(board, QStringLiteral("RunBevelBottom"));
    ScoreBevelSide = makeLine(board, QStringLiteral("ScoreBevelSide"));
    ScoreBevelBottom = makeLine(board, QStringLiteral("ScoreBevelBottom"));
    TimerBevelSide = makeLine(board, QStringLiteral("TimerBevelSide"));
    TimerBevelBottom = makeLine(board, QStringLiteral("TimerBevelBottom"));

    Surface = makeClockSurface(board, QStringLiteral("Displays time remaining in current round"));
    setGeometryTw(Surface, 0, 0, SurfaceWidth, SurfaceHeight);
    Surface->hide();

    lblTrips = makeLabel(board, QStringLiteral("lblTrips"), QStringLiteral("Trips:"), 9, true);
    lblRuns = makeLabel(board, QStringLiteral("lblRuns"), QStringLiteral("Runs:"), 9, true);
    lblScore = makeLabel(board, QStringLiteral("lblScore"), QStringLiteral("Score:"), 9, true);
    lblTime = makeLabel(board, QStringLiteral("lblTime"), QStringLiteral("Time:"), 9, true);
    lblRound = makeLabel(board, QStringLiteral("lblRound"), QStringLiteral("Round: 1"), 11, true);
    lblScoreTrips = makeLabel(board, QStringLiteral("lblScoreTrips"), QStringLiteral("0"), 13, true);
    lblScoreTrips->setToolTip(QStringLiteral("Displays your Current Score"));
    lblScoreRuns = makeLabel(board, QStringLiteral("lblScoreRuns"), QStringLiteral("0"), 13, true);
    lblCurrentScore = makeLabel(board, QStringLiteral("lblCurrentScore"), QStringLiteral("0"), 13, true);
    lblCurrentScore->setToolTip(QStringLiteral("Displays your Current Score"));
    for (platform::Label* figure : {lblScoreTrips, lblScoreRuns, lblCurrentScore})
        figure->setForeColor(platform::ColorBlue);
    lblTimeBonus = makeLabel(board, QStringLiteral("lblTimeBonus"), QString(), 9, false);
    lblHighScore = makeLabel(board, QStringLiteral("lblHighScore"), QStringLiteral("Current High Score:"), 9, true);
    lblHighScore->setForeColor(0x7adcff); // warm gold on the felt
    tablecontrols::keepInBox(lblScoreTrips, TripsRectangle);
    tablecontrols::keepInBox(lblScoreRuns, RunRectangle);
    tablecontrols::keepInBox(lblCurrentScore, ScoreRectangle);

    for (QWidget* w : std::initializer_list<QWidget*>{
             TripsRectangle, RunRectangle, ScoreRectangle, TimerRectangle, TripsBevelSide, TripsBevelBottom, RunBevelSide,
             RunBevelBottom, ScoreBevelSide, ScoreBevelBottom, TimerBevelSide, TimerBevelBottom, lblTrips, lblRuns,
             lblScore, lblTime, lblRound, lblScoreTrips, lblScoreRuns, lblCurrentScore, lblTimeBonus, lblHighScore})
        w->hide();
    // The trips and runs boxes keep their place across: only their tops follow the window.
    TripsBevelSide->setEnds(1425, 0, 1425, 0);
    RunBevelSide->setEnds(1425, 0, 1425, 0);
    setGeometryTw(lblTrips, 570, 0, platform::widthTw(lblTrips), platform::heightTw(lblTrips));
    setGeometryTw(lblRuns, 585, 0, platform::widthTw(lblRuns), platform::heightTw(lblRuns));
}

void frmCairnwell::buildButtons(QWidget* board)
{
    cmdPlay = makeButton(board, QStringLiteral("cmdPlay"), QStringLiteral("&Play"), QStringLiteral("Starts a new game"));
    connect(cmdPlay, &QPushButton::clicked, this, [this] { cmdPlay_Click(); });
    cmdPause = makeButton(board, QStringLiteral("cmdPause"), QStringLiteral("Pau&se"),
                          QStringLiteral("Pauses the current game"));
    cmdPause->setEnabled(false);
    connect(cmdPause, &QPushButton::clicked, this, [this] { cmdPause_Click(); });
    cmdTakeScore = makeButton(board, QStringLiteral("cmdTakeScore"), QStringLiteral("&Take Score"),
                              QStringLiteral("Ends the round and awards points"));
    cmdTakeScore->setEnabled(false);
    connect(cmdTakeScore, &QPushButton::clicked, this, [this] { cmdTakeScore_Click(); });
    cmdQuit = makeButton(board, QStringLiteral("cmdQuit"), QStringLiteral("E&xit"), QStringLiteral("Closes Cairnwell"));
    connect(cmdQuit, &QPushButton::clicked, this, [this] { cmdQuit_Click(); });
}

void frmCairnwell::buildMessages(QWidget* board)
{
    auto* outline = makeBox(board, QStringLiteral("ScoringLabelOutline"));
    outline->setFillColor(QColor(0xfb, 0xf6, 0xe6, 235));
    setGeometryTw(outline, 0, 0, OutlineWidth, OutlineHeight);
    outline->hide();
    ScoringLabelOutline = outline;
    lblScoring = makeLabel(board, QStringLiteral("lblScoring"), QString(), 20, true);
    lblScoring->setForeColor(platform::ColorBlue);
    lblScoring->hide();
    lblMessage = makeLabel(board, QStringLiteral("lblMessage"), QString(), 16, true);
    lblMessage->setForeColor(platform::ColorBlue);
    lblMessage->hide();
    lblFlush = makeLabel(board, QStringLiteral("lblFlush"), QStringLiteral("Flush!"), 8, true);
    lblFlush->setForeColor(platform::ColorRed);
    lblFlush->setAutoFillBackground(true);
    QPalette flushPalette = lblFlush->palette();
    flushPalette.setColor(QPalette::Window, Cream);
    lblFlush->setPalette(flushPalette);
    lblFlush->setContentsMargins(4, 1, 4, 1);
    lblFlush->adjustSize();
    lblFlush->hide();
}

// ---- Load ----

void frmCairnwell::Form_Load()
{
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    // Without the built-in values a settings file that cannot be read would leave every column worth 0.
    SetCairnwellDefaults();
    setWindowTitle(gGameTitle);
    frmSplash->showTitles();
    gGameInProgress = false;
    gTimeLimit = cairnwell::SettingsDefaults::TimeLimit;
    setSoundsOn(cairnwell::SettingsDefaults::SoundsOn);
    setMusicOn(cairnwell::SettingsDefaults::MusicOn);
    gDeckDesign = cairnwell::SettingsDefaults::DeckDesign;
    gCountDownScore = cairnwell::SettingsDefaults::CountDownScore;
    if (QAction* entry = timeLimitEntry(gTimeLimit))
        entry->setChecked(true);
    table.mCardSelected = false;
    table.mSelectedArea = -1;
    table.mSelectedIndex = -1;

    platform::resizeTw(this, MinWidth, MinHeight);
    InitTimerSurface(*this);
    Timer1->setEnabled(false);
    showWelcome(QStringLiteral("   "));

    // A file that cannot be opened is first written from the values in force; what it says is
    // applied through the menus' own handlers, so check marks, top score and deck picture follow it.
    const cairnwell::CairnwellSettings settings = cairnwell::LoadSettingsINI(cairnwell::PlacementOf(*this));
    applyMenuOptions(settings);
    cairnwell::ApplyScoringSettings(settings);
    cairnwell::ApplyWindowPlacement(*this, settings);
    cairnwell::CheckForCustom();

    recordStartTime();
    ShowTopHighScore(QStringLiteral("CairnwellHiScores"), *this, QStringLiteral("50000"));
    centreWindow();
    frmSplash->showBacks();
    frmSplash->show();
    startSplash();
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void frmCairnwell::writeSettings()
{
    // The player still leaves; only the options changed in this session are lost.
    const cairnwell::SettingsSaveResult saved = cairnwell::SaveSettingsOnClose(cairnwell::PlacementOf(*this));
    if (!saved.ok)
        platform::MsgBox(saved.message, platform::vbExclamation, gGameTitle);
}

void frmCairnwell::Timer4_Timer() { frmSplash->animate(); }

// ---- Drawing the table ----

void frmCairnwell::showTable()
{
    for (int i = 0; i < cairnwell::PlaceCount; ++i) {
        showPlace(PlayCard[i], table.PlayCard[i]);
        PlayCardSelection[i]->setVisible(table.PlayCardSelection[i]);
    }
    for (int i = 0; i < cairnwell::StorageCount; ++i) {
        showPlace(TempCard[i], table.TempCard[i]);
        TempCardSelection[i]->setVisible(table.TempCardSelection[i]);
    }
    for (int i = 0; i < cairnwell::FanCount; ++i)
        showPlace(UpCard[i], table.UpCard[i]);
    UpCardSelection->setVisible(table.UpCardSelection);
    showPlace(CardStackPicture, table.CardStackPicture);
}

void frmCairnwell::ShowCards(bool Show)
{
    table.ShowCards(Show);
    showTable();
}

void frmCairnwell::ShowControls(bool ShowRound, bool ShowInfo)
{
    for (QWidget* w : std::initializer_list<QWidget*>{lblScore, ScoreRectangle, ScoreBevelSide, ScoreBevelBottom,
                                                      lblCurrentScore})
        w->setVisible(ShowInfo);
    for (QWidget* w : std::initializer_list<QWidget*>{
             lblHighScore, lblCardCount, lblTime, Surface, TimerBevelSide, TimerRectangle, TimerBevelBottom, lblRound,
             lblTrips, lblScoreTrips, TripsRectangle, TripsBevelSide, TripsBevelBottom, lblRuns, lblScoreRuns,
             RunRectangle, RunBevelSide, RunBevelBottom, lblTemp, lblFieldCards, FieldRect})
        w->setVisible(ShowRound);
}

// ---- What the table asks ----

void frmCairnwell::sound(const char* file)
{
    if (gSoundsOn)
        PlayWaveFile(appFile(QLatin1String(file)));
}

void frmCairnwell::ShowFlushMessage(int Column)
{
    showTable();
    repaint();
    showFlushOver(PlayCard[Column], nullptr);
    repaint();
    platform::Sleep(250);
    // Hidden again once the points are paid, which follows at once.
    hideFlush();
}

void frmCairnwell::showFlushOver(const QWidget* card, const QWidget* row)
{
    mFlushCard = card;
    mFlushRow = row;
    placeFlush();
    lblFlush->show();
    lblFlush->raise();
}

void frmCairnwell::hideFlush()
{
    mFlushCard = nullptr;
    mFlushRow = nullptr;
    lblFlush->hide();
}

void frmCairnwell::scoreChanged() { showScore(); }

void frmCairnwell::showScore()
{
    lblCurrentScore->setCaption(platform::formatGrouped(gScore));
    lblScoreTrips->setCaption(QString::number(table.mTrips));
    lblScoreRuns->setCaption(QString::number(table.mRuns));
}
