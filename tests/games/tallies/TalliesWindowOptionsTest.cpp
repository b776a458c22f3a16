// The Tallies window's options kept in "Tallies.Ini": written when the player confirms closing and
// applied when the window opens again.
#include "TalliesWindowFixture.h"

#include "core/cards/CardImage.h"
#include "core/cards/ImageList.h"
#include "core/window/ShapeControl.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/TextFile.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QPushButton>

namespace {
QString settingsText(const TempProgramFolder& folder)
{
    QByteArray bytes;
    platform::readWholeFile(folder.file(QStringLiteral("Tallies.Ini")), &bytes);
    return QString::fromLatin1(bytes);
}
} // namespace

using TalliesOptionsTest = TalliesWindowTest;

TEST_F(TalliesOptionsTest, EveryOptionAndTheWindowSizeComeBackAfterAClose)
{
    entry("mnu13")->trigger();
    entry("mnu150")->trigger();
    entry("mnuGreen")->trigger();
    entry("mnuNight")->trigger();
    form->mnuSounds->trigger();
    form->mnuMusic->trigger();
    form->mnuDrawTimer->trigger();
    platform::resizeTw(form, 10500, 7800);
    QApplication::processEvents();
    ASSERT_EQ(platform::widthTw(form), 10500);

    closeAndReopen();
    EXPECT_EQ(settingsText(folder), QStringLiteral("[Color]\r\n3\r\n\r\n[Play Music]\r\nTrue\r\n\r\n[Time]\r\n150\r\n\r\n"
                                                   "[DrawTimer]\r\nFalse\r\n\r\n[Play Sounds]\r\nFalse\r\n\r\n"
                                                   "[CardGoal]\r\n13\r\n\r\n[State]\r\n0\r\n\r\n[Width]\r\n10500\r\n\r\n"
                                                   "[Height]\r\n7800\r\n\r\n[Deck]\r\n3\r\n\r\n"));
    EXPECT_EQ(gCardGoal, 13);
    for (int goal = 10; goal <= 15; ++goal)
        EXPECT_EQ(form->goalEntry(goal)->isChecked(), goal == 13) << goal;
    EXPECT_EQ(form->lblTallies->caption(), QStringLiteral("Thirteens:"));
    EXPECT_EQ(gTimeLimit, 150);
    for (int s : {30, 60, 90, 120, 150, 180})
        EXPECT_EQ(form->timeLimitEntry(s)->isChecked(), s == 150) << s;
    EXPECT_EQ(form->lblHighScore->caption(), QStringLiteral("High Score: 50,000"));
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("HiScores150_13.Txt"))));
    EXPECT_EQ(gSelectionColor, 3);
    for (int code = 0; code < 6; ++code)
        EXPECT_EQ(form->colorEntry(code)->isChecked(), code == 3) << code;
    EXPECT_EQ(form->FieldSelectionRectangle[0]->borderColor(), platform::fromBgr(0xC000));
    EXPECT_EQ(gDeckDesign, 3);
    EXPECT_TRUE(form->mnuNight->isChecked());
    EXPECT_FALSE(form->mnuPalm->isChecked());
    EXPECT_EQ(ImageList2().indexOf(QStringLiteral("BACK")), int(CardBackDesign::NightCastle) + 1);
    EXPECT_FALSE(gSoundsOn);
    EXPECT_FALSE(form->mnuSounds->isChecked());
    EXPECT_TRUE(gMusicOn);
    EXPECT_TRUE(form->mnuMusic->isChecked());
    EXPECT_FALSE(audio.tunePlaying()); // the tune waits for the next round
    EXPECT_FALSE(gTalliesDrawTimer);
    EXPECT_FALSE(form->mnuDrawTimer->isChecked());
    EXPECT_EQ(platform::widthTw(form), 10500);
    EXPECT_EQ(platform::heightTw(form), 7800);
    EXPECT_FALSE(form->isMaximized());

    // The game deals to the goal and time it came back with.
    click(form->cmdPlay);
    EXPECT_EQ(form->lblTime->caption(), QStringLiteral("Time: 150"));
    EXPECT_TRUE(audio.tunePlaying());
}

TEST_F(TalliesOptionsTest, AMaximisedWindowIsKeptWithTheFixedSizeAndOpensMaximised)
{
    form->showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(form->isMaximized());

    closeAndReopen();
    EXPECT_TRUE(settingsText(folder).contains(QStringLiteral("[State]\r\n2\r\n\r\n[Width]\r\n9540\r\n\r\n[Height]\r\n7200\r\n")));
    QApplication::processEvents();
    EXPECT_TRUE(form->isMaximized());
    // Laid out for its maximised size.
    EXPECT_EQ(platform::leftTw(form->cmdPlay), platform::widthTw(form) - 1320);

    form->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(platform::widthTw(form), frmTallies::FormWidth);
    EXPECT_EQ(platform::heightTw(form), frmTallies::FormHeight);
    closeAndReopen();
    EXPECT_TRUE(settingsText(folder).contains(QStringLiteral("[State]\r\n0\r\n\r\n[Width]\r\n9540\r\n\r\n[Height]\r\n7200\r\n")));
    EXPECT_FALSE(form->isMaximized());
}

TEST_F(TalliesOptionsTest, AFailedWriteIsToldAndTheWindowClosesAnyway)
{
    // A program folder that is not there makes the write fail.
    gAppPath = folder.file(QStringLiteral("gone"));
    boxes.expect(platform::vbYes).expect(platform::vbOK);
    EXPECT_TRUE(form->close());
    gAppPath = folder.path();
    ASSERT_EQ(boxes.shown().size(), 2u);
    const platform::MessageBoxCall& told = boxes.shown()[1];
    EXPECT_TRUE(told.prompt.startsWith(QStringLiteral("Unable to save your options to ")));
    EXPECT_EQ(told.icon(), int(platform::vbExclamation));
    EXPECT_EQ(told.title, QStringLiteral("Go for Tallies!"));
}

TEST_F(TalliesOptionsTest, ASettingsFileWithoutAFewKeysKeepsTheBuiltInOptionsForThem)
{
    delete form;
    ASSERT_TRUE(platform::writeFileAtomically(folder.file(QStringLiteral("Tallies.Ini")),
                                              "[CardGoal]\r\n16\r\n\r\n[Time]\r\n45\r\n\r\n[Color]\r\n0\r\n"));
    form = new frmTallies;
    form->show();
    EXPECT_EQ(gCardGoal, 16);
    for (int goal = 10; goal <= 15; ++goal)
        EXPECT_FALSE(form->goalEntry(goal)->isChecked()) << goal;
    EXPECT_EQ(gTimeLimit, 90);
    EXPECT_TRUE(form->timeLimitEntry(90)->isChecked());
    EXPECT_EQ(gSelectionColor, 0);
    EXPECT_TRUE(form->mnuYellow->isChecked());
    EXPECT_FALSE(form->mnuRed->isChecked());
    EXPECT_TRUE(gSoundsOn);
    EXPECT_TRUE(form->mnuSounds->isChecked());
    EXPECT_TRUE(gTalliesDrawTimer);
    EXPECT_TRUE(form->mnuDrawTimer->isChecked());
    EXPECT_FALSE(gMusicOn);
    EXPECT_FALSE(form->mnuMusic->isChecked());
}

// A size from the file is brought within the minimum and the screen before the window is centred, so
// the window opens in the middle of the screen at a size it can lay out, and closing writes that size.
TEST_F(TalliesOptionsTest, ARestoredSizeIsKeptWithinTheMinimumAndTheScreenAndTheWindowOpensCentred)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        int width, height;
    };
    for (const Case c : {Case{3000, 2000}, Case{2147483647, 2147483647}, Case{2147483647, 1500}}) {
        SCOPED_TRACE(c.width);
        delete form;
        ASSERT_TRUE(platform::writeFileAtomically(folder.file(QStringLiteral("Tallies.Ini")),
                                                  "[State]\r\n0\r\n\r\n[Width]\r\n" + QByteArray::number(c.width) +
                                                      "\r\n\r\n[Height]\r\n" + QByteArray::number(c.height) +
                                                      "\r\n\r\n"));
        form = new frmTallies;
        form->show();
        QApplication::processEvents();
        EXPECT_GE(platform::widthTw(form), frmTallies::FormWidth);
        EXPECT_GE(platform::heightTw(form), frmTallies::FormHeight);
        EXPECT_LE(form->width(), screen.width());
        EXPECT_LE(form->height(), screen.height());
        EXPECT_NEAR(form->frameGeometry().center().x(), screen.center().x(), 2);
        EXPECT_NEAR(form->frameGeometry().center().y(), screen.center().y(), 2);
        // The controls are laid out for the size the window has.
        EXPECT_FALSE(form->lblHighScore->geometry().intersects(form->TimerRectangle->geometry()));

        const int width = platform::widthTw(form), height = platform::heightTw(form);
        boxes.expect(platform::vbYes);
        ASSERT_TRUE(form->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(settingsText(folder).contains(
            QStringLiteral("[State]\r\n0\r\n\r\n[Width]\r\n%1\r\n\r\n[Height]\r\n%2\r\n").arg(width).arg(height)));
    }
}
