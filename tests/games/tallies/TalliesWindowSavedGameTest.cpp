// Saved games on the Tallies window: saving the last game and opening it from the Game menu, and the
// saved game named on the command line, opened at the window's first activation.
#include "TalliesWindowFixture.h"

#include "core/cards/CardImage.h"
#include "core/cards/ImageList.h"
#include "core/window/ShapeControl.h"
#include "games/tallies/TalliesSavedGame.h"
#include "games/tallies/TalliesSavedGameDialogs.h"
#include "games/tallies/TalliesSavedGameFile.h"
#include "games/tallies/frmOpen.h"
#include "games/tallies/frmSave.h"
#include "platform/Label.h"
#include "platform/Random.h"
#include "platform/Timer.h"
#include "support/FileBytes.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString OpenFailed = QStringLiteral(
    "Unable to open the requested file. It may be damaged or you may have entered an invalid file name.");

// The file dialogs answered by the test: each call gets the dialog and returns the chosen file.
class FileDialogAnswers {
public:
    explicit FileDialogAnswers(std::function<std::optional<QString>(TalliesGameFileDialog&)> answer)
    {
        tallies::setGameFileDialogRunner(std::move(answer));
    }
    ~FileDialogAnswers() { tallies::setGameFileDialogRunner(nullptr); }
};

void activate(QWidget* w)
{
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QApplication::processEvents();
}
} // namespace

class TalliesWindowSavedGameTest : public TalliesWindowTest {
protected:
    // The field and the up card as dealt.
    QStringList dealt() const
    {
        return fieldKeys() << ImageList2().key(form->UpCardPicture->picture());
    }

    // Plays a short game and returns what each of its two rounds dealt.
    std::vector<QStringList> playAndRecord(unsigned seed)
    {
        platform::seedRandom(seed);
        std::vector<QStringList> rounds;
        click(form->cmdPlay);
        rounds.push_back(dealt());
        click(form->cmdTakeScore);
        rounds.push_back(dealt());
        click(form->cmdTakeScore);
        EXPECT_FALSE(form->gameInProgress());
        return rounds;
    }

    // Re-activates the window after another one had the focus.
    void switchAwayAndBack()
    {
        QWidget other;
        other.show();
        activate(&other);
        activate(form);
    }
};

TEST_F(TalliesWindowSavedGameTest, TheLastGameIsSavedAndOpenedFromTheMenuAndReplaysItsDecks)
{
    const std::vector<QStringList> saved = playAndRecord(11);
    ASSERT_TRUE(form->mnuSave->isEnabled());
    {
        FileDialogAnswers answers([this](TalliesGameFileDialog& d) -> std::optional<QString> {
            auto* save = qobject_cast<frmSave*>(&d);
            EXPECT_NE(save, nullptr);
            if (save)
                save->txtUserName->setText(QStringLiteral("Ann"));
            return folder.file(QStringLiteral("last"));
        });
        form->mnuSave->trigger();
    }
    ASSERT_TRUE(QFile::exists(folder.file(QStringLiteral("last.tgm"))));

    // Another game deals other cards; the file keeps the saved ones.
    const std::vector<QStringList> other = playAndRecord(12);
    ASSERT_NE(other[0], saved[0]);

    boxes.expect(platform::vbOK);
    {
        FileDialogAnswers answers([this](TalliesGameFileDialog& d) -> std::optional<QString> {
            EXPECT_NE(qobject_cast<frmOpen*>(&d), nullptr);
            return folder.file(QStringLiteral("last"));
        });
        form->mnuOpen->trigger();
    }
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(boxes.shown()[0].prompt.startsWith(QStringLiteral("This game was saved by Ann. ")));
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Saved Game Information"));

    ASSERT_TRUE(form->gameInProgress());
    EXPECT_FALSE(form->frmSplash->isVisible());
    EXPECT_FALSE(form->Timer4->enabled());
    EXPECT_FALSE(form->mnuOpen->isEnabled());
    EXPECT_EQ(form->cmdTakeScore->text(), QStringLiteral("&Take Score"));
    EXPECT_EQ(dealt(), saved[0]);
    click(form->cmdTakeScore);
    EXPECT_EQ(dealt(), saved[1]);
    click(form->cmdTakeScore);
    EXPECT_FALSE(form->gameInProgress());
    EXPECT_FALSE(gTalliesReplay);

    // Cancel opens nothing.
    {
        FileDialogAnswers answers([](TalliesGameFileDialog&) -> std::optional<QString> { return std::nullopt; });
        form->mnuOpen->trigger();
    }
    EXPECT_FALSE(form->gameInProgress());
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(TalliesWindowSavedGameTest, ReplayDealsTheRecordedDecksUnderTheirGoalAndTheTimeLimitInForce)
{
    writeLowTable(QStringLiteral("HiScores60_11.Txt")); // every game at 60 seconds and goal 11 enters
    const std::vector<QStringList> played = playAndRecord(31); // at 90 seconds and goal 11
    entry("mnu13")->trigger();
    entry("mnu60")->trigger();

    click(form->cmdTakeScore); // Replay
    ASSERT_TRUE(form->gameInProgress());
    // The decks are goal-11 decks: the goal goes back to theirs.
    EXPECT_EQ(gCardGoal, 11);
    EXPECT_TRUE(form->mnu11->isChecked());
    EXPECT_FALSE(form->mnu13->isChecked());
    EXPECT_EQ(form->lblTallies->caption(), QStringLiteral("Tallies:"));
    // The time limit stays the one the player chose.
    EXPECT_EQ(gTimeLimit, 60);
    EXPECT_TRUE(form->timeLimitEntry(60)->isChecked());
    EXPECT_FALSE(form->timeLimitEntry(90)->isChecked());
    EXPECT_EQ(dealt(), played[0]);
    tick();
    EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time: 59"));
    click(form->cmdTakeScore);
    EXPECT_EQ(dealt(), played[1]);
    click(form->cmdTakeScore);
    ASSERT_FALSE(form->gameInProgress());

    // The score went into the table of 60 seconds, and the replay saves as a game that opens again.
    EXPECT_EQ(tableText(QStringLiteral("HiScores60_11.Txt")).count(QStringLiteral("Tess, ")), 1);
    EXPECT_EQ(tableText().count(QStringLiteral("Tess, ")), 0);
    const QString path = folder.file(QStringLiteral("replayed.tgm"));
    ASSERT_TRUE(tallies::SaveLastGame(path, QStringLiteral("Ann")));
    const auto saved = tallies::ParseSavedGame(QString::fromLatin1(readBytes(path)));
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->cardGoal, 11);
    EXPECT_EQ(saved->timeLimit, 60);

    // The options file keeps the player's time limit.
    closeAndReopen();
    EXPECT_EQ(gTimeLimit, 60);
    EXPECT_TRUE(form->timeLimitEntry(60)->isChecked());
}

TEST_F(TalliesWindowSavedGameTest, SaveLastGameIsOffWhileAGameRunsHoweverItWasStarted)
{
    playAndRecord(5);
    ASSERT_TRUE(form->mnuSave->isEnabled());
    form->mnuPlay->trigger(); // Ctrl+P
    ASSERT_TRUE(form->gameInProgress());
    EXPECT_FALSE(form->mnuSave->isEnabled());
    click(form->cmdTakeScore);
    click(form->cmdTakeScore);
    ASSERT_FALSE(form->gameInProgress());
    EXPECT_TRUE(form->mnuSave->isEnabled());

    click(form->cmdTakeScore); // Replay
    ASSERT_TRUE(form->gameInProgress());
    EXPECT_FALSE(form->mnuSave->isEnabled());
}

TEST_F(TalliesWindowSavedGameTest, ACommandLineGameOpensAtTheFirstActivationOnly)
{
    // Saved at goal 13 and 60 seconds; the next window opens at 11 and 90.
    entry("mnu13")->trigger();
    entry("mnu60")->trigger();
    const std::vector<QStringList> saved = playAndRecord(21);
    const QString path = folder.file(QStringLiteral("from command line.tgm"));
    ASSERT_TRUE(tallies::SaveLastGame(path, QStringLiteral("Cy")));
    entry("mnu11")->trigger();
    entry("mnu90")->trigger();
    boxes.expect(platform::vbYes);
    ASSERT_TRUE(form->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    tallies::setCommandLineText(path);
    form = new frmTallies;
    EXPECT_FALSE(form->gameInProgress()); // nothing before the window is activated
    form->show();
    boxes.expect(platform::vbYes); // switch to the saved time limit
    activate(form);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_TRUE(boxes.shown()[1].prompt.contains(QStringLiteral("Do you want to change your time limit to 60?")));

    ASSERT_TRUE(form->gameInProgress());
    EXPECT_EQ(dealt(), saved[0]);
    EXPECT_EQ(gCardGoal, 13);
    EXPECT_TRUE(form->mnu13->isChecked());
    EXPECT_FALSE(form->mnu11->isChecked());
    EXPECT_EQ(form->lblTallies->caption(), QStringLiteral("Thirteens:"));
    EXPECT_EQ(gTimeLimit, 60);
    EXPECT_TRUE(form->timeLimitEntry(60)->isChecked());
    EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time: 60"));

    // Coming back to the window later opens nothing again, also between games.
    click(form->cmdTakeScore);
    click(form->cmdTakeScore);
    ASSERT_FALSE(form->gameInProgress());
    switchAwayAndBack();
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_FALSE(form->gameInProgress());

    // Nor does the window the launcher makes afresh the next time Tallies is chosen.
    closeAndReopen();
    activate(form);
    EXPECT_EQ(boxes.shown().size(), 3u); // the quit question only
    EXPECT_FALSE(form->gameInProgress());
    EXPECT_TRUE(form->frmSplash->isVisible());
}

TEST_F(TalliesWindowSavedGameTest, AnEmptyCommandLineDoesNothingAndAnUnreadableOneIsToldOnce)
{
    activate(form);
    switchAwayAndBack();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_FALSE(form->gameInProgress());
    EXPECT_TRUE(form->frmSplash->isVisible());

    // Taken as it is: quotes stay, so no file of that name is found.
    const QString path = folder.file(QStringLiteral("quoted.tgm"));
    playAndRecord(3);
    ASSERT_TRUE(tallies::SaveLastGame(path, QString()));
    delete form;
    tallies::setCommandLineText(QLatin1Char('"') + path + QLatin1Char('"'));
    frmTallies::mCommandLineOpened = false; // as a new run of the program
    form = new frmTallies;
    form->show();
    boxes.expect(platform::vbOK);
    activate(form);
    switchAwayAndBack();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, OpenFailed);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Go for Tallies!"));
    EXPECT_FALSE(form->gameInProgress());
    EXPECT_TRUE(form->frmSplash->isVisible());
}
