#include "TalliesFixture.h"

#include "core/cards/Deck.h"
#include "games/tallies/TalliesDeck.h"
#include "games/tallies/TalliesRound.h"
#include "games/tallies/TalliesSavedGame.h"
#include "games/tallies/TalliesSavedGameFile.h"
#include "platform/Conversions.h"
#include "platform/Random.h"
#include "support/FileSizeLimit.h"

#include <QFile>
#include <QStringList>
#include <sys/stat.h>

using namespace tallies;

namespace {
const QString OpenFailed = QStringLiteral(
    "Unable to open the requested file. It may be damaged or you may have entered an invalid file name.");
const QString SaveFailed =
    QStringLiteral("Unable to save the file. Please verify that you have entered a valid path and file name.");

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The card lines under each heading of a saved file.
std::map<QString, QStringList> sections(const QByteArray& bytes)
{
    std::map<QString, QStringList> result;
    QString heading;
    for (const QString& line : QString::fromLatin1(bytes).split(QStringLiteral("\r\n"))) {
        if (line.startsWith(QLatin1Char('[')))
            heading = line;
        else if (!line.isEmpty())
            result[heading] << line;
    }
    return result;
}

QStringList trimmedCards(const std::vector<CardCode>& deck)
{
    QStringList cards;
    for (std::size_t p = 1; p < deck.size(); ++p)
        cards << QString::fromStdString(trimmedCode(deck[p]));
    return cards;
}

// The Tallies window as the saved-game reader drives it.
struct RecordingWindow {
    std::vector<int> goals;
    std::vector<int> times;
    int replays = 0;
    TalliesReplayHooks hooks()
    {
        return {[this](int goal) {
                    goals.push_back(goal);
                    gCardGoal = goal;
                },
                [this](int seconds) {
                    times.push_back(seconds);
                    gTimeLimit = seconds;
                },
                [this] { ++replays; }};
    }
};

class TalliesSavedGameTest : public TalliesTest {
protected:
    void SetUp() override
    {
        TalliesTest::SetUp();
        gGameTitle = QStringLiteral("Go for Tallies!");
        gTalliesRecordedOptions = {};
    }

    // A whole game at the goal, ended by the clock; with a bonus round when asked.
    void playGame(int goal, bool bonusRound, std::uint64_t seed = 11)
    {
        gCardGoal = goal;
        platform::seedRandom(seed);
        gTalliesBonusScore = bonusRound ? 0 : 100000000;
        ASSERT_TRUE(StartGame());
        takeScore();
        takeScore();
        if (bonusRound)
            takeScore();
        ASSERT_EQ(gTalliesPhase, TalliesPhase::GameOver);
        SetTalliesDefaults();
    }

    // A saved file of a finished game, and the decks it holds.
    QString savedGame(int goal, bool bonusRound, const QString& name = QStringLiteral("saved"))
    {
        playGame(goal, bonusRound);
        savedDecks = {gTalliesRound1Deck, gTalliesRound2Deck, gTalliesRound3Deck};
        const QString path = folder.file(name + QStringLiteral(".tgm"));
        EXPECT_TRUE(SaveLastGame(path, QStringLiteral("Ann")));
        return path;
    }

    // Another game since: the decks, goal and time limit in force are not the saved ones.
    void playOn(int goal)
    {
        gCardGoal = goal;
        ASSERT_TRUE(CreateTalliesDeck());
        gTalliesRound1Deck = gDeck;
        gTalliesReplay = false;
    }

    TempProgramFolder folder;
    RecordingWindow window;
    std::array<std::vector<CardCode>, 3> savedDecks;
};
} // namespace

TEST_F(TalliesSavedGameTest, AGoalTwelveGameWithBonusRoundSavesThreeDecksBesideItsOwnOptions)
{
    playGame(12, true);
    // Options changed after the game do not belong to its decks.
    gCardGoal = 14;
    gTimeLimit = 30;
    gCustomScoring = true;

    ASSERT_TRUE(SaveLastGame(folder.file("night"), QStringLiteral("Ann")));
    const QByteArray bytes = fileBytes(folder.file("night.tgm"));
    const QByteArray head = "[Card Goal]\r\n12\r\n[Time Limit]\r\n90\r\n[Score]\r\n" +
                            QByteArray::number(gPreviousScore) +
                            "\r\n[Custom]\r\nFalse\r\n[UserName]\r\nAnn\r\n[Round 1 Deck]\r\n";
    EXPECT_TRUE(bytes.startsWith(head)) << bytes.left(120).constData();
    EXPECT_TRUE(bytes.endsWith("\r\n\r\n"));
    EXPECT_FALSE(bytes.endsWith("\r\n\r\n\r\n"));

    auto s = sections(bytes);
    EXPECT_EQ(s["[Round 1 Deck]"].size(), 56);
    EXPECT_EQ(s["[Round 1 Deck]"], trimmedCards(gTalliesRound1Deck));
    EXPECT_EQ(s["[Round 2 Deck]"], trimmedCards(gTalliesRound2Deck));
    EXPECT_EQ(s["[Round 3 Deck]"], trimmedCards(gTalliesRound3Deck));
    EXPECT_EQ(s["[Round 3 Deck]"].size(), 56);
    EXPECT_EQ(s["[Round 1 Deck]"].filter(QStringLiteral(" ")).size(), 0) << "codes are written without blanks";
}

TEST_F(TalliesSavedGameTest, AGameEndedAfterRoundTwoSavesTwoDecks)
{
    playGame(11, false);
    ASSERT_TRUE(SaveLastGame(folder.file("short.tgm"), QString()));
    auto s = sections(fileBytes(folder.file("short.tgm")));
    EXPECT_EQ(s["[Round 1 Deck]"].size(), 52);
    EXPECT_EQ(s["[Round 2 Deck]"].size(), 52);
    EXPECT_EQ(s.count(QStringLiteral("[Round 3 Deck]")), 0u);
    EXPECT_EQ(s["[UserName]"], QStringList{QStringLiteral("an anonymous user")});
}

TEST_F(TalliesSavedGameTest, FileNamesAsTheSaveDialogTakesThem)
{
    playGame(11, false);
    EXPECT_TRUE(SaveLastGame(folder.file("plain"), QStringLiteral("Ann")));
    EXPECT_TRUE(QFile::exists(folder.file("plain.tgm")));
    EXPECT_TRUE(SaveLastGame(folder.file("game.sav"), QStringLiteral("Ann")));
    EXPECT_TRUE(QFile::exists(folder.file("game.sav"))) << "a name with a dot is used unchanged";
    EXPECT_FALSE(QFile::exists(folder.file("game.sav.tgm")));
    EXPECT_TRUE(boxes.shown().empty());

    const QString refused[] = {folder.file("*.tgm"), folder.file("what?"), folder.path() + QStringLiteral("/"),
                               folder.file("no-such-folder/game.tgm")};
    for (const QString& name : refused) {
        const std::size_t before = boxes.shown().size();
        boxes.expect(platform::vbOK);
        EXPECT_FALSE(SaveLastGame(name, QStringLiteral("Ann"))) << name.toStdString();
        ASSERT_EQ(boxes.shown().size(), before + 1) << name.toStdString();
        EXPECT_EQ(boxes.shown().back().prompt, SaveFailed);
        EXPECT_EQ(boxes.shown().back().style, platform::vbCritical);
        EXPECT_EQ(boxes.shown().back().title, gGameTitle);
    }
    EXPECT_FALSE(QFile::exists(folder.file("*.tgm")));
    EXPECT_FALSE(QFile::exists(folder.file("what?")));
}

TEST_F(TalliesSavedGameTest, OpeningAGoalFourteenGameAtGoalElevenSetsUpItsReplay)
{
    const QString path = savedGame(14, true);
    const std::int32_t savedScore = gPreviousScore;
    playOn(11);

    boxes.expect(platform::vbOK);
    ASSERT_TRUE(ReadSavedGame(path, window.hooks()));
    EXPECT_EQ(window.goals, std::vector<int>{14});
    EXPECT_TRUE(window.times.empty());
    EXPECT_EQ(window.replays, 1);
    EXPECT_TRUE(gTalliesReplay);
    EXPECT_EQ(gTalliesRound1Deck, savedDecks[0]);
    EXPECT_EQ(gTalliesRound2Deck, savedDecks[1]);
    EXPECT_EQ(gTalliesRound3Deck, savedDecks[2]);
    EXPECT_EQ(gDeck.size(), 65u);
    EXPECT_EQ(gTalliesDrawPile.size(), 43u);

    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Saved Game Information"));
    EXPECT_EQ(boxes.shown()[0].style, platform::vbInformation);
    EXPECT_TRUE(boxes.shown()[0].prompt.startsWith(QStringLiteral("This game was saved by Ann. He or she ")));
    EXPECT_TRUE(boxes.shown()[0].prompt.contains(platform::formatGrouped(savedScore)));

    // The replay deals the saved decks: 22 on the field, 42 in the draw pile.
    ASSERT_TRUE(StartGame());
    EXPECT_EQ(gDeck, savedDecks[0]);
    EXPECT_EQ(gTalliesFieldCards[0], savedDecks[0][1]);
    EXPECT_EQ(gTalliesCardsLeft + 1, 42);
    takeScore();
    EXPECT_EQ(gDeck, savedDecks[1]);
    EXPECT_EQ(gTalliesRecordedOptions.cardGoal, 14);
}

TEST_F(TalliesSavedGameTest, ASavedTimeLimitOtherThanTheCurrentOneIsOffered)
{
    gTimeLimit = 60;
    const QString path = savedGame(11, false);
    const QString expectedTail = QStringLiteral("This game was saved with the time limit set to 60. Your time limit is "
                                                "currently set to 90. Do you want to change your time limit to 60?");

    gTimeLimit = 90;
    boxes.expect(platform::vbNo);
    ASSERT_TRUE(ReadSavedGame(path, window.hooks()));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(boxes.shown()[0].prompt.endsWith(
        QStringLiteral("Customized scoring was not in effect when this game was played. ") + expectedTail));
    EXPECT_EQ(boxes.shown()[0].style, platform::vbYesNo | platform::vbQuestion);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Saved Game Information"));
    EXPECT_TRUE(window.times.empty());
    EXPECT_EQ(gTimeLimit, 90);
    EXPECT_EQ(window.replays, 1) << "the replay runs with the current limit";

    boxes.expect(platform::vbYes);
    ASSERT_TRUE(ReadSavedGame(path, window.hooks()));
    EXPECT_EQ(window.times, std::vector<int>{60});
    EXPECT_EQ(gTimeLimit, 60);
}

TEST_F(TalliesSavedGameTest, ADamagedFileChangesNothing)
{
    const QString path = savedGame(11, false);
    const QByteArray good = fileBytes(path);
    auto replaced = [&](const char* from, const char* to) {
        QByteArray b = good;
        return b.replace(from, to);
    };
    // The last card dropped, the closing empty line kept.
    const QByteArray fewCards = good.left(good.lastIndexOf("\r\n", good.size() - 5) + 2) + "\r\n";
    QByteArray invalidCode = good;
    invalidCode.replace(good.indexOf("[Round 1 Deck]\r\n") + 16, 2, "14S"); // no 14s at goal 11
    QByteArray unfinished = good;
    unfinished.chop(2);
    // Every card of round 1 the ace of spades: cards of the goal's deck, but not that deck.
    QByteArray acesOfSpades = good;
    {
        const qsizetype start = good.indexOf("[Round 1 Deck]\r\n") + 16;
        const qsizetype end = good.indexOf("\r\n\r\n", start) + 2;
        acesOfSpades.replace(start, end - start, QByteArray("1S\r\n").repeated(good.mid(start, end - start).count('\n')));
    }
    QByteArray oversized = good;
    oversized.insert(oversized.indexOf("[Round 1 Deck]"), QByteArray(2 * 1024 * 1024, ' ') + "\r\n");

    const std::pair<const char*, QByteArray> cases[] = {
        {"bad first item", "\r\n" + good},
        {"too few cards", fewCards},
        {"invalid code", invalidCode},
        {"goal 9", replaced("[Card Goal]\r\n11", "[Card Goal]\r\n9")},
        {"time 0", replaced("[Time Limit]\r\n90", "[Time Limit]\r\n0")},
        {"time 45", replaced("[Time Limit]\r\n90", "[Time Limit]\r\n45")},
        {"time not a number", replaced("[Time Limit]\r\n90", "[Time Limit]\r\nninety")},
        {"no round 1", replaced("[Round 1 Deck]", "[Round 9 Deck]")},
        {"no closing empty line", unfinished},
        {"empty", QByteArray()},
        {"52 aces of spades", acesOfSpades},
        {"over a megabyte", oversized},
    };

    playOn(13);
    gTimeLimit = 120;
    const auto round1 = gTalliesRound1Deck;
    const auto deck = gDeck;
    const auto pile = gTalliesDrawPile;
    for (const auto& [what, bytes] : cases) {
        writeBytes(folder.file("damaged.tgm"), bytes);
        const std::size_t before = boxes.shown().size();
        boxes.expect(platform::vbOK);
        EXPECT_FALSE(ReadSavedGame(folder.file("damaged.tgm"), window.hooks())) << what;
        ASSERT_EQ(boxes.shown().size(), before + 1) << what;
        EXPECT_EQ(boxes.shown().back().prompt, OpenFailed);
        EXPECT_EQ(boxes.shown().back().style, platform::vbCritical);
        EXPECT_EQ(boxes.shown().back().title, gGameTitle);
        EXPECT_EQ(gCardGoal, 13) << what;
        EXPECT_EQ(gTimeLimit, 120) << what;
        EXPECT_EQ(gTalliesRound1Deck, round1) << what;
        EXPECT_EQ(gDeck, deck) << what;
        EXPECT_EQ(gTalliesDrawPile, pile) << what;
        EXPECT_FALSE(gTalliesReplay) << what;
    }
    EXPECT_TRUE(window.goals.empty());
    EXPECT_EQ(window.replays, 0);

    boxes.expect(platform::vbOK);
    EXPECT_FALSE(ReadSavedGame(folder.file("missing.tgm"), window.hooks()));
    EXPECT_EQ(boxes.shown().back().prompt, OpenFailed);
    // A pipe would never end; it is refused as a damaged file.
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.file("f.tgm")).constData(), 0600), 0);
    boxes.expect(platform::vbOK);
    EXPECT_FALSE(ReadSavedGame(folder.file("f.tgm"), window.hooks()));
    EXPECT_EQ(boxes.shown().back().prompt, OpenFailed);

    // The untouched file still opens.
    boxes.expect(platform::vbYes);
    EXPECT_TRUE(ReadSavedGame(path, window.hooks()));
}

TEST_F(TalliesSavedGameTest, TheSummaryRatesTheSavedScore)
{
    const std::pair<double, const char*> bands[] = {
        {-500, "amassed a pitiful"},        {19999, "amassed a pitiful"},      {20000, "amassed a pitiful"},
        {20001, "accumulated a sorry"},     {40000, "accumulated a sorry"},    {40001, "earned a pretty weak"},
        {60001, "earned a mediocre"},       {80000, "earned a mediocre"},      {80001, "earned a respectable"},
        {100001, "earned a decent"},        {120001, "earned a darned good"},  {140001, "earned an incredible"},
        {160000, "earned an incredible"},   {160001, "earned an unbelievable"}, {999999, "earned an unbelievable"},
    };
    for (const auto& [score, phrase] : bands)
        EXPECT_EQ(SavedGameScorePhrase(score), QString::fromLatin1(phrase)) << score;

    TalliesSavedGame game;
    game.userName = QStringLiteral("Ann");
    game.score = QStringLiteral("160000");
    game.customScoring = true;
    EXPECT_EQ(SavedGameSummary(game),
              QStringLiteral("This game was saved by Ann. He or she earned an incredible score of 160,000 in this "
                             "game. Customized scoring was in effect when this game was played. "));
}

TEST_F(TalliesSavedGameTest, AFileThatOpeningWouldRefuseIsNeverWritten)
{
    // Goal-11 decks of 52 cards recorded under goal 13, which deals 44: opening refuses such a file.
    playGame(11, false);
    gTalliesRecordedOptions.cardGoal = 13;
    const QString path = folder.file("mixed.tgm");
    boxes.expect(platform::vbOK);
    EXPECT_FALSE(SaveLastGame(path, QStringLiteral("Ann")));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, SaveFailed);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(TalliesSavedGameTest, ANameWithCommasQuotesOrOuterBlanksReadsBackWholeAndOlderFilesReadAsBefore)
{
    struct Case {
        const char* name;
        const char* written; // the name's line in the file
    };
    const Case cases[] = {
        {"Smith, John \"Ace\"", "\"Smith, John \"\"Ace\"\"\""},
        {"Ann", "Ann"}, // as every file had it before
        {"O'Brien-Smith Jr.", "O'Brien-Smith Jr."},
        {"\"Ace\"", "\"\"\"Ace\"\"\""},
        {"Bob \"Ace\" Jones", "\"Bob \"\"Ace\"\" Jones\""},
        {"\"", "\"\"\"\""},
        {"a,,b,", "\"a,,b,\""},
        {",", "\",\""},
        {"  Ann  ", "\"  Ann  \""},
        {" ", "\" \""},
        {"[Round 1 Deck]", "[Round 1 Deck]"},
    };
    playGame(11, false);
    const std::vector<CardCode> savedRound1 = gTalliesRound1Deck;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromLatin1(c.name);
        ASSERT_TRUE(SaveLastGame(folder.file("named.tgm"), name));
        EXPECT_TRUE(fileBytes(folder.file("named.tgm")).contains("\r\n[UserName]\r\n" + QByteArray(c.written) + "\r\n"))
            << fileBytes(folder.file("named.tgm")).left(110).constData();
        boxes.expect(platform::vbOK);
        ASSERT_TRUE(ReadSavedGame(folder.file("named.tgm"), window.hooks()));
        EXPECT_TRUE(boxes.shown().back().prompt.startsWith(QStringLiteral("This game was saved by ") + name +
                                                            QStringLiteral(". He or she")))
            << boxes.shown().back().prompt.toStdString();
    }

    // Files written before names were quoted open as they always did: a comma still ends the name
    // there, and the rest is skipped as an item that names no section.
    ASSERT_TRUE(SaveLastGame(folder.file("named.tgm"), QStringLiteral("Ann")));
    QByteArray older = fileBytes(folder.file("named.tgm"));
    older.replace("[UserName]\r\nAnn\r\n", "[UserName]\r\nSmith, John \"Ace\"\r\n");
    writeBytes(folder.file("older.tgm"), older);
    boxes.expect(platform::vbOK);
    ASSERT_TRUE(ReadSavedGame(folder.file("older.tgm"), window.hooks()));
    EXPECT_TRUE(boxes.shown().back().prompt.startsWith(QStringLiteral("This game was saved by Smith. He or she")));
    EXPECT_EQ(gTalliesRound1Deck, savedRound1);

    // A file edited by hand may carry blanks around the quotes; only those inside them belong to the name.
    older.replace("[UserName]\r\nSmith, John \"Ace\"\r\n", "[UserName]\r\n   \" Zed \"  \r\n");
    writeBytes(folder.file("older.tgm"), older);
    boxes.expect(platform::vbOK);
    ASSERT_TRUE(ReadSavedGame(folder.file("older.tgm"), window.hooks()));
    EXPECT_TRUE(boxes.shown().back().prompt.startsWith(QStringLiteral("This game was saved by  Zed . He or she")))
        << boxes.shown().back().prompt.toStdString();
}

TEST_F(TalliesSavedGameTest, TheCommandLineGameOpensAtTheFirstActivationOnly)
{
    bool opened = false;
    EXPECT_FALSE(OpenCommandLineGame(QString(), opened, window.hooks()));
    EXPECT_FALSE(opened);
    EXPECT_TRUE(boxes.shown().empty());

    const QString path = savedGame(11, false);
    boxes.expect(platform::vbOK);
    EXPECT_TRUE(OpenCommandLineGame(path, opened, window.hooks()));
    EXPECT_TRUE(opened);
    EXPECT_EQ(window.replays, 1);
    EXPECT_FALSE(OpenCommandLineGame(path, opened, window.hooks()));
    EXPECT_EQ(window.replays, 1);

    // A name that cannot be read is reported once and not tried again.
    bool again = false;
    boxes.expect(platform::vbOK);
    const QString quoted = QLatin1Char('"') + path + QLatin1Char('"');
    EXPECT_FALSE(OpenCommandLineGame(quoted, again, window.hooks()));
    EXPECT_TRUE(again);
    EXPECT_EQ(boxes.shown().back().prompt, OpenFailed);
    EXPECT_FALSE(OpenCommandLineGame(quoted, again, window.hooks()));
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_TRUE(boxes.allAnswered());
}

TEST_F(TalliesSavedGameTest, EveryNameReadsBackAsTypedAndOlderLatin1FilesStillOpen)
{
    const QString names[] = {QStringLiteral("\u0141ukasz"), QStringLiteral("\u05e9\u05dc\u05d5\u05dd"),
                             QStringLiteral("Ann \U0001F600"), QStringLiteral("Jos\u00e9")};
    playGame(11, false);
    for (const QString& name : names) {
        ASSERT_TRUE(SaveLastGame(folder.file("named.tgm"), name));
        boxes.expect(platform::vbOK);
        ASSERT_TRUE(ReadSavedGame(folder.file("named.tgm"), window.hooks()));
        EXPECT_TRUE(boxes.shown().back().prompt.startsWith(QStringLiteral("This game was saved by ") + name +
                                                            QStringLiteral(". He or she")))
            << boxes.shown().back().prompt.toStdString();
    }

    // As files were written before: the name in Latin-1.
    QByteArray older = fileBytes(folder.file("named.tgm"));
    older.replace("Jos\xc3\xa9", "Jos\xe9");
    writeBytes(folder.file("older.tgm"), older);
    boxes.expect(platform::vbOK);
    ASSERT_TRUE(ReadSavedGame(folder.file("older.tgm"), window.hooks()));
    EXPECT_TRUE(boxes.shown().back().prompt.startsWith(QStringLiteral("This game was saved by Jos\u00e9. He or she")));

    // A pasted line end stays inside the name's one line.
    ASSERT_TRUE(SaveLastGame(folder.file("named.tgm"), QStringLiteral("Ann\r\n[Card Goal]")));
    EXPECT_TRUE(fileBytes(folder.file("named.tgm")).contains("\r\nAnn  [Card Goal]\r\n"));
}

TEST_F(TalliesSavedGameTest, AFullDiskKeepsTheOldFileAndTellsThePlayer)
{
    const QString path = savedGame(11, false);
    const QByteArray before = fileBytes(path);
    playOn(12);
    boxes.expect(platform::vbOK);
    {
        FileSizeLimit full(100);
        EXPECT_FALSE(SaveLastGame(path, QStringLiteral("Bo")));
    }
    EXPECT_EQ(boxes.shown().back().prompt, SaveFailed);
    EXPECT_EQ(fileBytes(path), before);
}
