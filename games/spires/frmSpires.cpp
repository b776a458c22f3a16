#include "games/spires/frmSpires.h"

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
#include "games/spires/SpiresLayout.h"
#include "games/spires/SpiresRound.h"
#include "games/spires/SpiresSettings.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Pointer.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "platform/Twips.h"

#include <QPushButton>

using namespace spires::layout;
using namespace tablecontrols;

namespace {
// The message and the bonus figure are set in bold Arial.
QFont arial(int pointSize)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(pointSize);
    f.setBold(true);
    return f;
}
} // namespace

frmSpires::frmSpires(QWidget* parent) : GameWindow(QStringLiteral("frmSpires"), parent)
{
    buildBoard();
    buildMenus();
    finishWindowSetup([this] { Timer1_Timer(); }, [this] { Timer2_Timer(); }, MinWidth, MinHeight);
    Form_Load();
}

// ---- Building the table ----

void frmSpires::buildBoard()
{
    FeltPanel* felt = addFeltBoard();
    buildCards(felt);
    buildInfo(felt);
    buildButtons(felt);
    // The splash's cards and titles at the design scale.
    static constexpr GameSplash::Look SplashLook{
        .cardWidth = 1065, .cardHeight = 1440, .cardLeft = 320, .cardTop = 300, .cardStepX = 400, .cardStepY = 600,
        .textLeft = 2820, .textWidth = 2900, .companyTop = 900, .nameTop = 1260, .versionTop = 2160,
        .platformTop = 2460, .namePointSize = 22, .frameWidth = 5900, .frameHeight = 4200};
    frmSplash = new GameSplash(felt, SplashLook);
    frmSplash->hide();

    lblMessage = makeLabel(felt, QStringLiteral("lblMessage"), QString(), 20, true);
    lblMessage->setFont(arial(20));
    lblMessage->setAlignment(Qt::AlignCenter);
    lblMessage->setForeColor(platform::ColorRed);
    lblMessage->hide();
    lblScoring = makeLabel(felt, QStringLiteral("lblScoring"), QString(), 24, true);
    lblScoring->setFont(arial(24));
    lblScoring->setForeColor(platform::ColorRed);
    lblScoring->hide();
    // The messages sit on a light backing so red and black both read on the felt.
    for (platform::Label* label : {lblMessage, lblScoring}) {
        label->setAutoFillBackground(true);
        QPalette p = label->palette();
        p.setColor(QPalette::Window, QColor(0xfb, 0xf6, 0xe6, 235));
        label->setPalette(p);
        label->setContentsMargins(10, 2, 10, 2);
    }
    connectChangeHandlers();
}

void frmSpires::buildCards(QWidget* felt)
{
    for (int p = 0; p < spires::PlaceCount; ++p) {
        auto* image = new CardImage(felt);
        image->setObjectName(QStringLiteral("UpCardImage%1").arg(p));
        image->onClick = [this, p] { UpCardImage_Click(p); };
        image->hide();
        UpCardImage[std::size_t(p)] = image;
    }
    CardStackPicture = new CardImage(felt);
    CardStackPicture->setObjectName(QStringLiteral("CardStackPicture"));
    CardStackPicture->onClick = [this] { CardStackPicture_Click(); };
    CardStackPicture->hide();
    UpCardPicture = new CardImage(felt);
    UpCardPicture->setObjectName(QStringLiteral("UpCardPicture"));
    UpCardPicture->setBorderStyle(1);
    UpCardPicture->onClick = [this] { UpCardPicture_Click(); };
    UpCardPicture->hide();
    for (int t = 0; t < spires::TowerCount; ++t) {
        lblTower[std::size_t(t)] = makeLabel(felt, QStringLiteral("lblTower%1").arg(t + 1),
                                             QStringLiteral("Tower %1 completed!").arg(t + 1), 10, true);
        lblTower[std::size_t(t)]->setForeColor(0x4ad5ff);
        lblTower[std::size_t(t)]->hide();
    }
}

void frmSpires::buildInfo(QWidget* felt)
{
    lblRound = makeLabel(felt, QStringLiteral("lblRound"), QStringLiteral("Round:"), 10, true);
    RoundRectangle = makeBox(felt, QStringLiteral("RoundRectangle"));
    RoundBevelSide = makeLine(felt, QStringLiteral("RoundBevelSide"));
    RoundBevelBottom = makeLine(felt, QStringLiteral("RoundBevelBottom"));
    lblCurrentRound = makeLabel(felt, QStringLiteral("lblCurrentRound"), QStringLiteral("0"), 14, true);
    lblCurrentRound->setForeColor(platform::ColorBlue);

    lblScore = makeLabel(felt, QStringLiteral("lblScore"), QStringLiteral("Score:"), 10, true);
    ScoreRectangle = makeBox(felt, QStringLiteral("ScoreRectangle"));
    ScoreBevelSide = makeLine(felt, QStringLiteral("ScoreBevelSide"));
    ScoreBevelBottom = makeLine(felt, QStringLiteral("ScoreBevelBottom"));
    lblCurrentScore = makeLabel(felt, QStringLiteral("lblCurrentScore"), QStringLiteral("0"), 14, true);
    lblCurrentScore->setForeColor(platform::ColorBlue);
    lblCurrentScore->setToolTip(QStringLiteral("Displays your Current Score"));
    tablecontrols::keepInBox(lblCurrentScore, ScoreRectangle);

    TimerRectangle = makeBox(felt, QStringLiteral("TimerRectangle"));
    Surface = makeClockSurface(felt, QStringLiteral("Displays time remaining in current round"));
    TimerBevelSide = makeLine(felt, QStringLiteral("TimerBevelSide"));
    TimerBevelBottom = makeLine(felt, QStringLiteral("TimerBevelBottom"));
    lblTime = makeLabel(felt, QStringLiteral("lblTime"), QStringLiteral("Time:"), 10, true);
    lblTime->setForeColor(0x2a3a1b); // dark on the clock's cream box

    lblCardCount = makeLabel(felt, QStringLiteral("lblCardCount"), QStringLiteral("Cards remaining:"), 9, true);
    lblCards = makeLabel(felt, QStringLiteral("lblCards"), QStringLiteral("0"), 12, true);
    lblCards->setForeColor(0x4ad5ff);
    lblHighScore = makeLabel(felt, QStringLiteral("lblHighScore"), QStringLiteral("Current High Score:"), 9, true);
    lblCurrentRun = makeLabel(felt, QStringLiteral("lblCurrentRun"), QStringLiteral("Current Run:"), 9, true);
    lblHighRun = makeLabel(felt, QStringLiteral("lblHighRun"), QStringLiteral("Highest Run:"), 9, true);
    lblNextCard = makeLabel(felt, QStringLiteral("lblNextCard"), QStringLiteral("Next card worth:"), 9, true);
    lblNextCard->setWordWrap(true);
    lblNextCard->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ShowControls(false, false);
}

void frmSpires::buildButtons(QWidget* felt)
{
    cmdPlay = makeButton(felt, QStringLiteral("cmdPlay"), QStringLiteral("&Play"), QStringLiteral("Starts a new game"));
    connect(cmdPlay, &QPushButton::clicked, this, [this] { cmdPlay_Click(); });
    cmdPause = makeButton(felt, QStringLiteral("cmdPause"), QStringLiteral("Pau&se"),
                          QStringLiteral("Pauses the current game"));
    cmdPause->setEnabled(false);
    connect(cmdPause, &QPushButton::clicked, this, [this] { cmdPause_Click(); });
    cmdTakeScore = makeButton(felt, QStringLiteral("cmdTakeScore"), QStringLiteral("&Take Score"),
                              QStringLiteral("End current round and take score"));
    cmdTakeScore->setEnabled(false);
    connect(cmdTakeScore, &QPushButton::clicked, this, [this] { cmdTakeScore_Click(); });
    cmdExit = makeButton(felt, QStringLiteral("cmdExit"), QStringLiteral("E&xit"), QStringLiteral("Exits the game"));
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
}

// ---- Load ----

void frmSpires::Form_Load()
{
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    startSplash();

    SetSpiresDefaults();
    gTimeLimit = 45;
    gSoundsOn = true;
    gMusicOn = false;
    gDeckDesign = 1;
    gCountDownScore = true;
    gGameInProgress = false;
    board.mHighRun = 0;
    board.mNewHighRun = false;
    board.mUpValue = 99;

    platform::resizeTw(this, MinWidth, MinHeight);
    setWindowTitle(gGameTitle);
    showWelcome(QStringLiteral("  "));

    // A file that cannot be opened is first written from the values in force; what it says is applied
    // through the menus' own handlers, so the check marks, top score and card backs follow it.
    spires::SpiresSettingsValues inForce;
    inForce.timeLimit = gTimeLimit;
    inForce.soundsOn = gSoundsOn;
    inForce.musicOn = gMusicOn;
    inForce.deckDesign = gDeckDesign;
    inForce.highRun = board.mHighRun;
    inForce.timeBonus = gTimeBonus;
    inForce.bonusRoundScore = gBonusRoundScore;
    inForce.spireBonus = gSpireBonus;
    inForce.highRunBonus = gHighRunBonus;
    inForce.countDownScore = gCountDownScore;
    inForce.cardValue = gCardValue;
    const spires::SpiresSettings settings = spires::LoadSettingsINI(inForce, spires::PlacementOf(*this));
    setMusicOn(settings.musicOn.value_or(gMusicOn));
    chooseTimeLimit(settings.timeLimit.value_or(gTimeLimit));
    setSoundsOn(settings.soundsOn.value_or(gSoundsOn));
    board.mHighRun = settings.highRun.value_or(board.mHighRun);
    lblHighRun->setCaption(QStringLiteral("Highest Run: ") + QString::number(board.mHighRun));
    spires::ApplyScoringSettings(settings);
    spires::ApplyWindowPlacement(*this, settings);
    chooseCardBack(settings.cardBack.value_or(CardBackDesign::PalmTree));
    spires::CheckForCustom();
    recordStartTime();

    frmSplash->show();
    frmSplash->showTitles();
    frmSplash->showBacks();
    centreWindow();
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void frmSpires::writeSettings()
{
    spires::SpiresSettingsValues v;
    v.timeLimit = gTimeLimit;
    v.soundsOn = gSoundsOn;
    v.musicOn = gMusicOn;
    v.deckDesign = gDeckDesign;
    v.highRun = board.mHighRun;
    v.timeBonus = gTimeBonus;
    v.bonusRoundScore = gBonusRoundScore;
    v.spireBonus = gSpireBonus;
    v.highRunBonus = gHighRunBonus;
    v.countDownScore = gCountDownScore;
    v.cardValue = gCardValue;
    // The player still leaves; what changed in this session is what gets lost.
    if (!spires::WriteSettingsINI(v, spires::PlacementOf(*this)))
        platform::MsgBox(spires::SettingsNotSavedMessage(), platform::vbExclamation, gGameTitle);
}

void frmSpires::Timer4_Timer() { frmSplash->animate(); }

void frmSpires::ShowControls(bool ShowRound, bool ShowInfo)
{
    for (QWidget* w : std::initializer_list<QWidget*>{lblScore, ScoreRectangle, ScoreBevelSide, ScoreBevelBottom,
                                                      lblCurrentScore})
        w->setVisible(ShowInfo);
    for (QWidget* w : std::initializer_list<QWidget*>{
             lblCurrentRun, lblHighRun, lblHighScore, lblCardCount, lblCards, lblTime, Surface, TimerBevelSide,
             TimerRectangle, TimerBevelBottom, lblRound, RoundRectangle, RoundBevelSide, RoundBevelBottom,
             lblCurrentRound, lblNextCard})
        w->setVisible(ShowRound);
}

void frmSpires::playSound(const char* file) const
{
    if (gSoundsOn)
        PlayWaveFile(appFile(QLatin1String(file)));
}
