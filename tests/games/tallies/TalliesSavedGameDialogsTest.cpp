#include "TalliesFixture.h"

#include "games/tallies/TalliesRound.h"
#include "games/tallies/TalliesSavedGameDialogs.h"
#include "games/tallies/frmOpen.h"
#include "games/tallies/frmSave.h"
#include "platform/Label.h"
#include "platform/Random.h"
#include "support/ModalDialogs.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <memory>

using namespace tallies;

namespace {
// Answers each dialog in turn with the next file (nullopt: Cancel), after letting the test fill it in.
class ScriptedFileDialogs {
public:
    ScriptedFileDialogs()
    {
        setGameFileDialogRunner([this](TalliesGameFileDialog& d) -> std::optional<QString> {
            captions.push_back(d.windowTitle());
            if (answers.empty())
                return std::nullopt;
            auto [file, fill] = answers.front();
            answers.erase(answers.begin());
            if (fill)
                fill(d);
            return file;
        });
    }
    ~ScriptedFileDialogs() { setGameFileDialogRunner(nullptr); }

    std::vector<std::pair<std::optional<QString>, std::function<void(TalliesGameFileDialog&)>>> answers;
    std::vector<QString> captions;
};

class TalliesSavedGameDialogsTest : public TalliesTest {
protected:
    void SetUp() override
    {
        TalliesTest::SetUp();
        gGameTitle = QStringLiteral("Go for Tallies!");
        gTalliesRecordedOptions = {};
        platform::seedRandom(5);
        gTalliesBonusScore = 100000000;
        ASSERT_TRUE(StartGame());
        takeScore();
        takeScore();
        SetTalliesDefaults();
    }
    TempProgramFolder folder;
    ScriptedFileDialogs dialogs;
};

QAbstractButton* button(QFileDialog& d, QDialogButtonBox::ButtonRole role)
{
    auto* box = d.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    for (QAbstractButton* b : box ? box->buttons() : QList<QAbstractButton*>())
        if (box->buttonRole(b) == role)
            return b;
    return nullptr;
}

QString buttonTip(QFileDialog& d, QDialogButtonBox::ButtonRole role)
{
    QAbstractButton* b = button(d, role);
    return b ? b->toolTip() : QString();
}

QLineEdit* nameBox(QFileDialog& d) { return d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); }

// Shows the dialog as the player sees it: active, typing going to its file-name box.
void showActive(QFileDialog& d, const QString& folder)
{
    d.setDirectory(folder);
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    nameBox(d)->setFocus();
}

// Types `text` into the file-name box and presses OK.
void enterName(QFileDialog& d, const QString& text)
{
    nameBox(d)->setText(text);
    QAbstractButton* ok = button(d, QDialogButtonBox::AcceptRole);
    ASSERT_TRUE(ok && ok->isEnabled()) << text.toStdString();
    ok->click();
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST_F(TalliesSavedGameDialogsTest, TheDialogsCarryTheirOwnWords)
{
    frmSave save;
    EXPECT_EQ(save.windowTitle(), QStringLiteral("Save Game"));
    EXPECT_EQ(save.labelText(QFileDialog::FileName), QStringLiteral("Save as:"));
    EXPECT_EQ(save.labelText(QFileDialog::LookIn), QStringLiteral("Directory:"));
    EXPECT_EQ(save.labelText(QFileDialog::FileType), QStringLiteral("Files:"));
    EXPECT_EQ(save.lblSaveInfo->caption(),
              QStringLiteral("Use this dialog to save the last game played. You may load a saved game later to replay "
                             "it. This cannot be used to save a game in progress."));
    EXPECT_EQ(save.txtUserName->toolTip(), QStringLiteral("Enter your name if you want it to be saved with this game"));
    EXPECT_EQ(save.nameFilters(), QStringList{QStringLiteral("*.tgm")});
    EXPECT_EQ(buttonTip(save, QDialogButtonBox::AcceptRole),
              QStringLiteral("Saves the game to the specified filename"));
    EXPECT_EQ(buttonTip(save, QDialogButtonBox::RejectRole), QStringLiteral("Cancels the save"));
    auto* name = save.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->toolTip(), QStringLiteral("Enter the filename to be used for the saved game"));

    frmOpen open;
    EXPECT_EQ(open.windowTitle(), QStringLiteral("Open Game"));
    EXPECT_EQ(open.labelText(QFileDialog::FileName), QStringLiteral("Game file:"));
    EXPECT_EQ(open.lblOpenInfo->caption(),
              QStringLiteral("Use this dialog to open a previously saved game. If you want to use customized scoring "
                             "you must set that option before opening a saved game."));
    EXPECT_EQ(buttonTip(open, QDialogButtonBox::AcceptRole), QStringLiteral("Opens the specified saved game"));
    EXPECT_EQ(buttonTip(open, QDialogButtonBox::RejectRole), QStringLiteral("Cancels opening a saved game"));
}

TEST_F(TalliesSavedGameDialogsTest, SaveAsksAgainAfterANameThatCannotBeUsed)
{
    dialogs.answers.push_back({folder.file("*.tgm"), nullptr});
    dialogs.answers.push_back({folder.file("evening"), nullptr});
    boxes.expect(platform::vbOK);

    EXPECT_TRUE(ShowSaveGameDialog(nullptr));
    EXPECT_EQ(dialogs.captions, (std::vector<QString>{QStringLiteral("Save Game"), QStringLiteral("Save Game")}));
    ASSERT_EQ(boxes.shown().size(), 1u);
    QFile saved(folder.file("evening.tgm"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("[UserName]\r\nan anonymous user\r\n"));
}

TEST_F(TalliesSavedGameDialogsTest, SaveKeepsTheTypedNameAndCancelSavesNothing)
{
    dialogs.answers.push_back({folder.file("mine.tgm"), [](TalliesGameFileDialog& d) {
                                   static_cast<frmSave&>(d).txtUserName->setText(QStringLiteral("Ann"));
                               }});
    EXPECT_TRUE(ShowSaveGameDialog(nullptr));
    QFile saved(folder.file("mine.tgm"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("[UserName]\r\nAnn\r\n"));

    EXPECT_FALSE(ShowSaveGameDialog(nullptr));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(TalliesSavedGameDialogsTest, OpenAddsTheExtensionAndAsksAgainAfterAFailure)
{
    dialogs.answers.push_back({folder.file("first"), nullptr});
    ASSERT_TRUE(ShowSaveGameDialog(nullptr));

    int replays = 0;
    const TalliesReplayHooks window{[](int goal) { gCardGoal = goal; }, nullptr, [&] { ++replays; }};
    dialogs.answers.push_back({folder.file("missing"), nullptr});
    dialogs.answers.push_back({folder.file("first"), nullptr});
    boxes.expect(platform::vbOK).expect(platform::vbOK);
    EXPECT_TRUE(ShowOpenGameDialog(nullptr, window));
    EXPECT_EQ(replays, 1);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_TRUE(boxes.shown()[0].prompt.startsWith(QStringLiteral("Unable to open the requested file.")));
    EXPECT_EQ(boxes.shown()[1].title, QStringLiteral("Saved Game Information"));

    EXPECT_FALSE(ShowOpenGameDialog(nullptr, window)) << "cancelled";
    EXPECT_EQ(replays, 1);
}

// The toolkit's chooser reads quotes as a list of files; our dialogs take the box's text as one name.
TEST_F(TalliesSavedGameDialogsTest, BothDialogsTakeTheTypedTextAsOneFileName)
{
    const QString texts[] = {QStringLiteral("q1 Smith, \"JJ\" "), QStringLiteral("\"JJ\""),
                             QStringLiteral("\"a\" \"b\""), QStringLiteral(" spaced "),
                             folder.file(QStringLiteral("elsewhere \"x\".tgm"))};
    for (bool save : {true, false}) {
        for (const QString& text : texts) {
            SCOPED_TRACE((save ? "save " : "open ") + text.toStdString());
            std::unique_ptr<TalliesGameFileDialog> d;
            if (save)
                d = std::make_unique<frmSave>();
            else
                d = std::make_unique<frmOpen>();
            showActive(*d, folder.path());
            enterName(*d, text);
            EXPECT_EQ(d->result(), QDialog::Accepted);
            EXPECT_FALSE(d->isVisible());
            EXPECT_EQ(d->chosenFile().toStdString(), QDir(folder.path()).filePath(text).toStdString());
        }
    }
}

TEST_F(TalliesSavedGameDialogsTest, AFolderNameOpensTheFolderAndAnEmptyBoxDoesNothing)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("games")));
    frmSave d;
    showActive(d, folder.path());
    enterName(d, QStringLiteral("games"));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.directory().absolutePath().toStdString(), folder.file(QStringLiteral("games")).toStdString());

    nameBox(d)->clear();
    QTest::keyClick(nameBox(d), Qt::Key_Return);
    EXPECT_TRUE(d.isVisible());

    enterName(d, QStringLiteral("evening"));
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.chosenFile().toStdString(), folder.file(QStringLiteral("games/evening")).toStdString());
}

TEST_F(TalliesSavedGameDialogsTest, SavingUnderAQuotedNameLeavesTheFileInsideTheQuotesAlone)
{
    setGameFileDialogRunner(nullptr);
    const QString theirs = folder.file(QStringLiteral("JJ.tgm"));
    {
        QFile f(theirs);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("the player's own game");
    }
    bool saved = false;
    answerModal([&] { saved = ShowSaveGameDialog(nullptr); },
                [&](QWidget* modal) {
                    auto* save = qobject_cast<frmSave*>(modal);
                    ASSERT_NE(save, nullptr);
                    save->setDirectory(folder.path());
                    save->txtUserName->setText(QStringLiteral("Ann"));
                    nameBox(*save)->setFocus();
                    enterName(*save, QStringLiteral("q1 Smith, \"JJ\" "));
                });
    EXPECT_TRUE(saved);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(bytesOf(theirs), QByteArray("the player's own game"));
    EXPECT_TRUE(bytesOf(folder.file(QStringLiteral("q1 Smith, \"JJ\" .tgm"))).contains("[UserName]\r\nAnn\r\n"));
}
