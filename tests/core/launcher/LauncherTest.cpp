#include "core/cards/CardImage.h"
#include "core/launcher/GameCatalog.h"
#include "core/SuiteGlobals.h"
#include "core/launcher/frmSelect.h"
#include "platform/Program.h"
#include "platform/Random.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "support/PlatformFakes.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QImage>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class Launcher : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        launcher = new frmSelect;
        launcher->Timer1->setEnabled(false); // the test drives the splash
    }
    void TearDown() override { delete launcher; }
    frmSelect* launcher = nullptr;
};

QChar accessKey(const QString& caption)
{
    const int amp = int(caption.indexOf(QLatin1Char('&')));
    return amp >= 0 ? caption[amp + 1].toUpper() : QChar();
}
} // namespace

TEST_F(Launcher, ShowsItsCaptionButtonsAndIsCentred)
{
    EXPECT_EQ(launcher->windowTitle(), QStringLiteral("Corvanta's Parlour"));
    EXPECT_EQ(launcher->frmGameChoice->title(), QStringLiteral("Select your game"));
    const QList<QPushButton*> buttons = {launcher->cmdTallies, launcher->cmdStackjack, launcher->cmdQuickjack,
                                         launcher->cmdSpires,  launcher->cmdDuetto,    launcher->cmdGridhand,
                                         launcher->cmdCairnwell, launcher->cmdLaunchBrowser, launcher->cmdClose};
    const QStringList captions = {"&Tallies!", "&Stackjack ", "&Quickjack", "S&pires", "&Duetto", "G&ridhand",
                                  "C&airnwell", "&Go to Corvanta's website", "&Close"};
    QSet<QChar> keys;
    for (int i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->text(), captions[i]);
        keys.insert(accessKey(buttons[i]->text()));
    }
    EXPECT_EQ(keys.size(), 9);
    EXPECT_EQ(gAppPath, platform::programFolder());

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(launcher->x() - screen.x(), (screen.width() - launcher->width()) / 2, 1);
    EXPECT_NEAR(launcher->y() - screen.y(), (screen.height() - launcher->height()) / 2, 1);
}

TEST_F(Launcher, SplashStacksFirstThenDealsBacksAndFacesInA32TickCycle)
{
    platform::seedRandom(5);
    launcher->Timer1_Timer();
    EXPECT_TRUE(launcher->splash().Forward);
    EXPECT_TRUE(launcher->splash().ShowBacks);
    EXPECT_EQ(launcher->splash().Position, 0);
    EXPECT_EQ(launcher->imgSplashImage[0]->picture(), 0);

    std::vector<int> backsDealt;
    for (int cycle = 0; cycle < 4; ++cycle) {
        const frmSelect::Splash start = launcher->splash();
        for (int tick = 0; tick < 8; ++tick) // dealing backs
            launcher->Timer1_Timer();
        backsDealt.push_back(launcher->imgSplashImage[0]->picture());
        for (CardImage* image : launcher->imgSplashImage) {
            EXPECT_EQ(image->picture(), backsDealt.back());
            EXPECT_EQ(image->borderStyle(), 0);
        }
        for (int tick = 0; tick < 16; ++tick) // stacking, then dealing faces
            launcher->Timer1_Timer();
        for (CardImage* image : launcher->imgSplashImage) {
            EXPECT_GE(image->picture(), 14);
            EXPECT_LE(image->picture(), 65);
            EXPECT_EQ(image->borderStyle(), 1);
        }
        for (int tick = 0; tick < 8; ++tick) // stacking
            launcher->Timer1_Timer();
        EXPECT_EQ(launcher->splash().Forward, start.Forward);
        EXPECT_EQ(launcher->splash().ShowBacks, start.ShowBacks);
        EXPECT_EQ(launcher->splash().Position, start.Position);
    }
    EXPECT_EQ(backsDealt, (std::vector<int>{2, 5, 8, 2}));
}

TEST_F(Launcher, GameButtonSetsTheTitleShowsTheGameAndHidesItself)
{
    QWidget* shown = nullptr;
    registerGameForm(QStringLiteral("Spires!"), [&] {
        shown = new QWidget;
        shown->setAttribute(Qt::WA_DeleteOnClose);
        return shown;
    });
    launcher->show();
    QTest::mouseClick(launcher->cmdSpires, Qt::LeftButton);
    EXPECT_EQ(gGameTitle, QStringLiteral("Spires!"));
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_FALSE(launcher->isVisible());
    EXPECT_EQ(launcher->cursor().shape(), Qt::ArrowCursor);
    shown->close();
    showLauncher();
    EXPECT_TRUE(launcher->isVisible());
}

TEST_F(Launcher, AGamesAccessKeyOpensItAtOnce)
{
    QWidget* shown = nullptr;
    registerGameForm(QStringLiteral("Duetto!"), [&] {
        shown = new QWidget;
        shown->setAttribute(Qt::WA_DeleteOnClose);
        return shown;
    });
    launcher->show();
    QApplication::setActiveWindow(launcher);
    ASSERT_TRUE(QTest::qWaitForWindowActive(launcher));
    QTest::keyClick(launcher, Qt::Key_D, Qt::AltModifier);
    ASSERT_NE(shown, nullptr) << "no pressed-look delay before the game opens";
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(gGameTitle, QStringLiteral("Duetto!"));
    EXPECT_FALSE(launcher->isVisible());
    shown->close();
}

TEST_F(Launcher, CloseEndsTheSuite)
{
    int ended = 0;
    platform::setEndProgramHandler([&] { ++ended; });
    launcher->show();
    launcher->setAttribute(Qt::WA_DeleteOnClose, false);
    QTest::mouseClick(launcher->cmdClose, Qt::LeftButton);
    platform::setEndProgramHandler(nullptr);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(launcher->isVisible());
}

TEST_F(Launcher, WebSiteButtonReportsABrowserThatFails)
{
    gGameTitle = QStringLiteral("Stackjack!");
    {
        FakeBrowser browser(platform::BrowserResult::Failed);
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbOK);
        QTest::mouseClick(launcher->cmdLaunchBrowser, Qt::LeftButton);
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("Unable to open web page '") + browser.opened().at(0) + "'.");
        EXPECT_EQ(boxes.shown()[0].icon(), platform::vbExclamation);
        EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Stackjack!"));
    }
    {
        FakeBrowser browser(platform::BrowserResult::NoBrowser);
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbOK);
        QTest::mouseClick(launcher->cmdLaunchBrowser, Qt::LeftButton);
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, QStringLiteral("Unable to find default web Browser"));
    }
    {
        FakeBrowser browser(platform::BrowserResult::Opened);
        ScriptedMessageBoxes boxes; // no box at all
        QTest::mouseClick(launcher->cmdLaunchBrowser, Qt::LeftButton);
        EXPECT_EQ(browser.opened().size(), 1u);
    }
}

// The launcher as the player sees it in a pass of faces: every button whole inside the window (the
// games' inside their frame), each caption with room in its button, the frame's caption too, and
// the ring of faces painted clear of all of them.
TEST_F(Launcher, ShowsEveryCaptionWholeAndTheRingOfCardsClearOfTheButtons)
{
    platform::seedRandom(1);
    for (int tick = 0; tick < 25; ++tick) // into the pass of faces
        launcher->Timer1_Timer();
    launcher->show();
    saveScreenshot(launcher, QStringLiteral("launcher"));
    const QImage shot = launcher->grab().toImage();
    ASSERT_EQ(shot.size(), launcher->size() * shot.devicePixelRatio());
    const auto inLauncher = [&](const QWidget* w) { return QRect(w->mapTo(launcher, QPoint(0, 0)), w->size()); };
    // The share of a part of the window that is white, as a card's face is and the felt never.
    const auto white = [&](const QRect& area) {
        const QRect pixels(area.topLeft() * shot.devicePixelRatio(), area.size() * shot.devicePixelRatio());
        int light = 0;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                light += qRed(shot.pixel(x, y)) > 220 && qGreen(shot.pixel(x, y)) > 220 && qBlue(shot.pixel(x, y)) > 220;
        return double(light) / (pixels.width() * pixels.height());
    };

    QGroupBox* frame = launcher->frmGameChoice;
    EXPECT_TRUE(launcher->rect().contains(frame->geometry()));
    QStyleOptionGroupBox frameOption;
    frameOption.initFrom(frame);
    frameOption.text = frame->title();
    frameOption.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect captionRoom = frame->style()->subControlRect(QStyle::CC_GroupBox, &frameOption, QStyle::SC_GroupBoxLabel, frame);
    EXPECT_GE(captionRoom.width(), frame->fontMetrics().horizontalAdvance(frame->title()));
    EXPECT_TRUE(frame->rect().contains(captionRoom));
    const QRect frameInside =
        frame->style()->subControlRect(QStyle::CC_GroupBox, &frameOption, QStyle::SC_GroupBoxContents, frame);

    const QList<QPushButton*> buttons = launcher->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 9);
    for (QPushButton* button : buttons) {
        const QString caption = button->text();
        EXPECT_TRUE(launcher->rect().contains(inLauncher(button))) << qPrintable(caption);
        if (button->parentWidget() == frame) {
            EXPECT_TRUE(frameInside.contains(button->geometry())) << qPrintable(caption);
        }
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = caption;
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QString shown = caption;
        shown.remove(QLatin1Char('&'));
        const QFontMetrics metrics(button->font());
        EXPECT_GE(room.width(), metrics.horizontalAdvance(shown)) << qPrintable(caption);
        EXPECT_GE(room.height(), metrics.height()) << qPrintable(caption);
        for (CardImage* card : launcher->imgSplashImage)
            EXPECT_FALSE(inLauncher(card).intersects(inLauncher(button))) << qPrintable(caption);
    }
    for (CardImage* card : launcher->imgSplashImage) {
        EXPECT_TRUE(launcher->rect().contains(inLauncher(card)));
        EXPECT_FALSE(inLauncher(card).intersects(frame->geometry()));
        EXPECT_NE(card->picture(), 0);
        EXPECT_GT(white(inLauncher(card)), 0.5) << "a face is painted";
    }
}

TEST_F(Launcher, StartingClearsWhatInterruptedWritesLeftInTheProgramFolder)
{
    TempProgramFolder folder;
    for (const char* name : {"Tallies.Ini.parlour-tmp-Ab12Cd", "Tallies.Ini.Ab12Cd", "HiScores60.Txt"}) {
        QFile f(folder.file(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.flush(); // or closing would write and date it now
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTimeUtc().addDays(-1), QFileDevice::FileModificationTime));
    }
    frmSelect started;
    // A name that only looks like a leftover is the player's and stays.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"HiScores60.Txt", "Tallies.Ini.Ab12Cd"}));
}
