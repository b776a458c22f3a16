#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/stackjack/StackjackSettings.h"
#include "platform/ItemReader.h"
#include "platform/TextFile.h"
#include "support/PlatformFakes.h"

#include <QFile>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace stackjack;

namespace {

// The window's load as far as the scoring goes: built-in values, 60 seconds, one pass.
class StackjackSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gTimeLimit = 60;
        gCardsToPass = 1;
        SetStackjackDefaults();
    }

    static StackjackSettings read(const QString& contents)
    {
        platform::ItemReader reader(contents);
        return ReadSettingsINI(reader);
    }

    // Reads the contents and stores the scoring values, as the load does.
    static StackjackSettings load(const QString& contents)
    {
        const StackjackSettings s = read(contents);
        ApplyScoringSettings(s);
        return s;
    }

    QByteArray fileContents() const
    {
        QByteArray bytes;
        EXPECT_TRUE(platform::readWholeFile(folder.file(QStringLiteral("Stackjack.Ini")), &bytes));
        return bytes;
    }

    TempProgramFolder folder;
    const WindowPlacement normal{0, 9540, 7305};
};

const char* const FirstRunFile = "[Time]\r\n60\r\n\r\n"
                                 "[Play Sounds]\r\nTrue\r\n\r\n"
                                 "[Play Music]\r\nFalse\r\n\r\n"
                                 "[Deck]\r\n0\r\n\r\n"
                                 "[TimeBonusMax]\r\n300\r\n\r\n"
                                 "[TimeBonusMin]\r\n100\r\n\r\n"
                                 "[BonusScore]\r\n200000\r\n\r\n"
                                 "[WaitPeriod]\r\n2000\r\n\r\n"
                                 "[CountDownScore]\r\nTrue\r\n\r\n"
                                 "[Cards To Pass]\r\n1\r\n\r\n"
                                 "[State]\r\n0\r\n\r\n"
                                 "[Width]\r\n9540\r\n\r\n"
                                 "[Height]\r\n7305\r\n\r\n"
                                 "\r\n";

void expectFirstRunValues(const StackjackSettings& s)
{
    EXPECT_EQ(s.timeLimit, 60);
    EXPECT_EQ(s.soundsOn, true);
    EXPECT_EQ(s.musicOn, false);
    EXPECT_EQ(s.cardBack, CardBackDesign::PalmTree); // "0": no design chosen yet in this run
    EXPECT_EQ(s.maxTimeBonus, 300);
    EXPECT_EQ(s.minTimeBonus, 100);
    EXPECT_EQ(s.bonusScore, 200000);
    EXPECT_EQ(s.waitPeriod, 2000);
    EXPECT_EQ(s.countDownScore, true);
    EXPECT_EQ(s.cardsToPass, 1);
    EXPECT_EQ(s.windowState, 0);
    EXPECT_EQ(s.widthTw, 9540);
    EXPECT_EQ(s.heightTw, 7305);
}

} // namespace

TEST_F(StackjackSettingsTest, FirstRunWritesTheDefaultsAndReadsThemBack)
{
    ASSERT_FALSE(QFile::exists(folder.file(QStringLiteral("Stackjack.Ini"))));
    const StackjackSettings s = LoadSettingsINI(normal);
    EXPECT_EQ(fileContents(), QByteArray(FirstRunFile));
    expectFirstRunValues(s);

    ApplyScoringSettings(s);
    EXPECT_EQ(gMaxTimeBonus, 300);
    EXPECT_EQ(gMinTimeBonus, 100);
    EXPECT_EQ(gStackjackBonusScore, 200000);
    EXPECT_EQ(gWaitPeriod, 2000);
    EXPECT_TRUE(gCountDownScore);
    EXPECT_EQ(gCardsToPass, 1);
    EXPECT_EQ(gPassesLeft, 1);
    EXPECT_FALSE(gCustomScoring);
    EXPECT_FLOAT_EQ(gBonusDecrement, 200.0f / 60.0f);
}

TEST_F(StackjackSettingsTest, AnExistingFileIsReadNotRewritten)
{
    const QByteArray custom = QByteArray(FirstRunFile).replace("[Time]\r\n60", "[Time]\r\n15");
    ASSERT_TRUE(platform::writeFileAtomically(folder.file(QStringLiteral("Stackjack.Ini")), custom));
    EXPECT_EQ(LoadSettingsINI(normal).timeLimit, 15);
    EXPECT_EQ(fileContents(), custom);
}

TEST_F(StackjackSettingsTest, LineFeedsAloneAndMissingEmptyLinesReadTheSame)
{
    expectFirstRunValues(read(QString::fromLatin1(FirstRunFile).replace(QLatin1String("\r\n"), QLatin1String("\n"))));
    expectFirstRunValues(read(QString::fromLatin1(FirstRunFile).replace(QLatin1String("\r\n\r\n"), QLatin1String("\r\n"))));
}

TEST_F(StackjackSettingsTest, ValuesAreReadAsTheGameReadsThem)
{
    struct Case {
        const char* file;
        std::function<void(const StackjackSettings&)> check;
    };
    const Case cases[] = {
        {"[Time]\r\n90\r\n", [](const StackjackSettings& s) { EXPECT_FALSE(s.timeLimit); }},
        {"[Time]\r\n075\r\n", [](const StackjackSettings& s) { EXPECT_FALSE(s.timeLimit); }},
        {"[Time]\r\n15\r\n", [](const StackjackSettings& s) { EXPECT_EQ(s.timeLimit, 15); }},
        {"[Time]\r\n45\r\n\r\n[Time]\r\n75\r\n", [](const StackjackSettings& s) { EXPECT_EQ(s.timeLimit, 75); }},
        {"[Deck]\r\n0\r\n", [](const StackjackSettings& s) { EXPECT_EQ(s.cardBack, CardBackDesign::PalmTree); }},
        {"[Deck]\r\n7\r\n", [](const StackjackSettings& s) { EXPECT_EQ(s.cardBack, CardBackDesign::PalmTree); }},
        {"[Deck]\r\nx\r\n", [](const StackjackSettings& s) { EXPECT_EQ(s.cardBack, CardBackDesign::PalmTree); }},
        {"[Deck]\r\n1\r\n", [](const StackjackSettings& s) { EXPECT_EQ(s.cardBack, CardBackDesign::HotCards); }},
        {"[Deck]\r\n2\r\n", [](const StackjackSettings& s) { EXPECT_EQ(s.cardBack, CardBackDesign::MagicHands); }},
        {"[Deck]\r\n3\r\n", [](const StackjackSettings& s) { EXPECT_EQ(s.cardBack, CardBackDesign::NightCastle); }},
        {"[Play Sounds]\r\ntrue\r\n", [](const StackjackSettings& s) { EXPECT_EQ(s.soundsOn, false); }},
        {"[Play Sounds]\r\nTrue\r\n", [](const StackjackSettings& s) { EXPECT_EQ(s.soundsOn, true); }},
        {"[Play Music]\r\nTRUE\r\n", [](const StackjackSettings& s) { EXPECT_EQ(s.musicOn, false); }},
        {"[CountDownScore]\r\nFalse\r\n", [](const StackjackSettings& s) { EXPECT_EQ(s.countDownScore, false); }},
        // Keys compare case and all; strays, unknown keys and their values are skipped.
        {"[time]\r\n15\r\n[Colour]\r\n[Time]\r\n30\r\nstray\r\n", [](const StackjackSettings& s) { EXPECT_EQ(s.timeLimit, 30); }},
        // A key with nothing after it applies nothing.
        {"[Play Sounds]\r\n", [](const StackjackSettings& s) { EXPECT_FALSE(s.soundsOn); }},
        {"[State]\r\n2\r\n[Width]\r\n12000\r\n", [](const StackjackSettings& s) {
             EXPECT_EQ(s.windowState, 2);
             EXPECT_EQ(s.widthTw, 12000);
         }},
        {"[State]\r\n5\r\n[Width]\r\n-3\r\n[Height]\r\nwide\r\n", [](const StackjackSettings& s) {
             EXPECT_FALSE(s.windowState);
             EXPECT_FALSE(s.widthTw);
             EXPECT_FALSE(s.heightTw);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        c.check(read(QString::fromLatin1(c.file)));
    }
}

TEST_F(StackjackSettingsTest, ScoringValuesOutsideTheDialogsBoundsKeepTheDefaults)
{
    struct Case {
        const char* file;
        int max, min;
        std::int32_t bonus, wait;
        int passes;
        bool custom;
    };
    const Case cases[] = {
        {"", 300, 100, 200000, 2000, 1, false},
        // Accepted values, some of them custom.
        {"[TimeBonusMax]\r\n500\r\n[TimeBonusMin]\r\n50\r\n", 500, 50, 200000, 2000, 1, true},
        {"[BonusScore]\r\n2147483647\r\n", 300, 100, 2147483647, 2000, 1, true},
        {"[Cards To Pass]\r\n0\r\n", 300, 100, 200000, 2000, 0, true},
        {"[Cards To Pass]\r\n10\r\n[WaitPeriod]\r\n30000\r\n", 300, 100, 200000, 30000, 10, true},
        {"[WaitPeriod]\r\n0\r\n", 300, 100, 200000, 0, 1, false},
        // Out of bounds: each keeps its default.
        {"[WaitPeriod]\r\n-1\r\n", 300, 100, 200000, 2000, 1, false},
        {"[WaitPeriod]\r\n30001\r\n", 300, 100, 200000, 2000, 1, false},
        {"[Cards To Pass]\r\n53\r\n", 300, 100, 200000, 2000, 1, false},
        {"[Cards To Pass]\r\n-1\r\n", 300, 100, 200000, 2000, 1, false},
        {"[BonusScore]\r\n-5\r\n", 300, 100, 200000, 2000, 1, false},
        {"[BonusScore]\r\n99999999999\r\n", 300, 100, 200000, 2000, 1, false},
        {"[TimeBonusMax]\r\n40000\r\n", 300, 100, 200000, 2000, 1, false},
        {"[TimeBonusMax]\r\n0\r\n", 300, 100, 200000, 2000, 1, false},
        {"[TimeBonusMin]\r\n-10\r\n", 300, 100, 200000, 2000, 1, false},
        {"[TimeBonusMax]\r\nabc\r\n[TimeBonusMin]\r\n", 300, 100, 200000, 2000, 1, false},
        // A minimum not below the maximum: both keep their defaults.
        {"[TimeBonusMax]\r\n200\r\n[TimeBonusMin]\r\n250\r\n", 300, 100, 200000, 2000, 1, false},
        {"[TimeBonusMax]\r\n80\r\n", 300, 100, 200000, 2000, 1, false},
        {"[TimeBonusMin]\r\n300\r\n", 300, 100, 200000, 2000, 1, false},
        // A bad value does not stop the reading of the keys after it.
        {"[WaitPeriod]\r\nsoon\r\n[BonusScore]\r\n1000\r\n", 300, 100, 1000, 2000, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        SetUp();
        load(QString::fromLatin1(c.file));
        EXPECT_EQ(gMaxTimeBonus, c.max);
        EXPECT_EQ(gMinTimeBonus, c.min);
        EXPECT_EQ(gStackjackBonusScore, c.bonus);
        EXPECT_EQ(gWaitPeriod, c.wait);
        EXPECT_EQ(gCardsToPass, c.passes);
        EXPECT_EQ(gPassesLeft, c.passes);
        EXPECT_EQ(gCustomScoring, c.custom);
        EXPECT_FLOAT_EQ(gBonusDecrement, float(double(c.max - c.min) / 60));
    }
}

TEST_F(StackjackSettingsTest, CardBacksRoundTripInStackjacksNumbering)
{
    const std::pair<CardBackDesign, const char*> designs[] = {
        {CardBackDesign::HotCards, "[Deck]\r\n1\r\n"},
        {CardBackDesign::MagicHands, "[Deck]\r\n2\r\n"},
        {CardBackDesign::NightCastle, "[Deck]\r\n3\r\n"},
        {CardBackDesign::PalmTree, "[Deck]\r\n4\r\n"},
    };
    for (const auto& [design, stored] : designs) {
        SCOPED_TRACE(stored);
        gDeckDesign = DeckDesignNumber(design);
        ASSERT_TRUE(WriteSettingsINI(CurrentSettings(), normal));
        EXPECT_TRUE(fileContents().contains(stored));
        EXPECT_EQ(LoadSettingsINI(normal).cardBack, design);
    }
}

TEST_F(StackjackSettingsTest, TheCloseWritesTheOptionsInForceAndThePassesPerRound)
{
    gTimeLimit = 45;
    gSoundsOn = false;
    gMusicOn = true;
    gDeckDesign = 3;
    gStackjackBonusScore = 150000;
    gMaxTimeBonus = 400;
    gMinTimeBonus = 50;
    gWaitPeriod = 1500;
    gCountDownScore = false;
    gCardsToPass = 3;
    gPassesLeft = 1; // two passes used in the round
    ASSERT_TRUE(SaveSettingsOnClose({0, 10200, 7500}).ok);
    EXPECT_EQ(fileContents(), QByteArray("[Time]\r\n45\r\n\r\n[Play Sounds]\r\nFalse\r\n\r\n[Play Music]\r\nTrue\r\n\r\n"
                                         "[Deck]\r\n3\r\n\r\n[TimeBonusMax]\r\n400\r\n\r\n[TimeBonusMin]\r\n50\r\n\r\n"
                                         "[BonusScore]\r\n150000\r\n\r\n[WaitPeriod]\r\n1500\r\n\r\n"
                                         "[CountDownScore]\r\nFalse\r\n\r\n[Cards To Pass]\r\n3\r\n\r\n"
                                         "[State]\r\n0\r\n\r\n[Width]\r\n10200\r\n\r\n[Height]\r\n7500\r\n\r\n\r\n"));
}

TEST_F(StackjackSettingsTest, AMaximisedWindowIsWrittenAtTheMinimumSizeAndAMinimisedOneAsItIs)
{
    const QByteArray maximised = SettingsText(CurrentSettings(), {2, 24000, 15000});
    EXPECT_TRUE(maximised.endsWith("[State]\r\n2\r\n\r\n[Width]\r\n9540\r\n\r\n[Height]\r\n7305\r\n\r\n\r\n"));
    const QByteArray minimised = SettingsText(CurrentSettings(), {1, 10005, 7500});
    EXPECT_TRUE(minimised.endsWith("[State]\r\n1\r\n\r\n[Width]\r\n10005\r\n\r\n[Height]\r\n7500\r\n\r\n\r\n"));
}

TEST_F(StackjackSettingsTest, AFailedWriteIsReportedAndLeavesTheOldFile)
{
    ASSERT_TRUE(platform::writeFileAtomically(folder.file(QStringLiteral("Stackjack.Ini")), FirstRunFile));
    // A folder where the file should be makes every write fail.
    gAppPath = folder.file(QStringLiteral("missing"));
    const SettingsSaveResult saved = SaveSettingsOnClose(normal);
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.message.startsWith(QStringLiteral("Unable to save your options in ")));
    EXPECT_TRUE(saved.message.contains(QStringLiteral("Stackjack.Ini")));

    // Nothing can be read either: the load keeps the built-in values.
    gMaxTimeBonus = 1;
    const StackjackSettings s = LoadSettingsINI(normal);
    EXPECT_FALSE(s.timeLimit);
    ApplyScoringSettings(s);
    EXPECT_EQ(gMaxTimeBonus, 300);
    EXPECT_FALSE(gCustomScoring);

    gAppPath = folder.path();
    EXPECT_EQ(fileContents(), QByteArray(FirstRunFile));
}

TEST_F(StackjackSettingsTest, CustomIsAnyScoringValueOffItsDefaultButNotTheWaitOrCountDown)
{
    const std::pair<std::function<void()>, bool> cases[] = {
        {[] {}, false},
        {[] { gWaitPeriod = 0; gCountDownScore = false; }, false},
        {[] { gMinTimeBonus = 99; }, true},
        {[] { gMaxTimeBonus = 301; }, true},
        {[] { gStackjackBonusScore = 199999; }, true},
        {[] { gCardsToPass = 0; }, true},
        {[] { gPassesLeft = 0; }, false}, // the passes left in a round are no option
    };
    for (const auto& [change, custom] : cases) {
        SetUp();
        gCardsToPass = gPassesLeft = 1;
        change();
        CheckForCustom();
        EXPECT_EQ(gCustomScoring, custom);
    }
}

TEST_F(StackjackSettingsTest, TheWindowTakesItsSizeUnlessMaximisedAndItsStateAsItIsShown)
{
    QWidget window;
    StackjackSettings s;
    s.windowState = 0;
    s.widthTw = 10500;
    s.heightTw = 7500;
    ApplyWindowPlacement(window, s);
    EXPECT_EQ(PlacementOf(window).widthTw, 10500);
    EXPECT_EQ(PlacementOf(window).heightTw, 7500);

    s.windowState = 2;
    s.widthTw = 9600;
    ApplyWindowPlacement(window, s);
    window.move(40, 30); // as the load centres it
    window.show();
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    window.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(PlacementOf(window).widthTw, 10500);
}
