// The blocking wait keeps the event loop turning for painting and drawing timers, while the player's
// input to the windows that were open is dropped and the round clocks hold their ticks until it ends.
#include "support/PostedInput.h"
#include "platform/Timer.h"
#include "platform/Wait.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class RealWait : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setWaitHandler(nullptr);
        platform::setWaitScale(1.0);
        window = std::make_unique<QMainWindow>();
        button = new QPushButton(QStringLiteral("&Go"), window.get());
        window->setCentralWidget(button);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        action = window->menuBar()->addMenu(QStringLiteral("&Game"))->addAction(QStringLiteral("&Pass"));
        action->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
        QObject::connect(action, &QAction::triggered, [this] { ++shortcuts; });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    std::unique_ptr<QMainWindow> window;
    QPushButton* button = nullptr;
    QAction* action = nullptr;
    int clicks = 0;
    int shortcuts = 0;
};

TEST_F(RealWait, InputDuringAWaitIsDroppedNotDeliveredAfterIt)
{
    clickSoon(button, 3);
    keySoon(window.get(), Qt::Key_P, Qt::ControlModifier);
    keySoon(button, Qt::Key_Space);
    platform::Sleep(30);
    settle();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(shortcuts, 0);

    // Once the wait is over the same input works again.
    clickSoon(button);
    keySoon(window.get(), Qt::Key_P, Qt::ControlModifier);
    settle();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(shortcuts, 1);
}

TEST_F(RealWait, AButtonPressedBeforeAWaitAndReleasedInItIsNeitherClickedNorLeftDown)
{
    QTest::mousePress(button, Qt::LeftButton);
    ASSERT_TRUE(button->isDown());
    soon(window.get(), [&] { QTest::mouseRelease(button, Qt::LeftButton); });
    platform::Sleep(30);
    settle();
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(clicks, 0);
}

TEST_F(RealWait, AWindowOpenedDuringTheWaitTakesItsInput)
{
    int answered = 0;
    std::unique_ptr<QPushButton> question;
    soon(window.get(), [&] {
        question = std::make_unique<QPushButton>(QStringLiteral("Yes"));
        QObject::connect(question.get(), &QPushButton::clicked, [&] { ++answered; });
        question->show();
        QTest::mouseClick(question.get(), Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
    });
    platform::Sleep(30);
    EXPECT_EQ(answered, 1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(RealWait, DrawingTimersTickThroughAWaitAndTheRoundClockHoldsOneTickForAfterIt)
{
    platform::Timer clock(nullptr, 5, true);
    platform::Timer dial(nullptr, 5, true);
    dial.setRunsDuringWaits(true);
    int clockTicks = 0, dialTicks = 0;
    clock.onTimer = [&] { ++clockTicks; };
    dial.onTimer = [&] { ++dialTicks; };
    platform::Sleep(60);
    EXPECT_EQ(clockTicks, 0);
    EXPECT_GT(dialTicks, 2);

    clock.setInterval(1000); // no fresh tick during the settle below
    // The interval change restarted the clock, so the tick held from the old run is dropped.
    settle();
    EXPECT_EQ(clockTicks, 0);

    clock.setInterval(5);
    platform::Sleep(30);
    clock.setEnabled(true);
    clock.setInterval(0); // restarted and silent: only a held tick could still come
    settle();
    EXPECT_EQ(clockTicks, 0);

    platform::Timer held(nullptr, 5, true);
    int heldTicks = 0;
    held.onTimer = [&] {
        ++heldTicks;
        held.setEnabled(false);
    };
    platform::Sleep(40);
    EXPECT_EQ(heldTicks, 0);
    settle();
    EXPECT_EQ(heldTicks, 1); // once, after the wait
}

TEST_F(RealWait, WhatWaitsForTheEndRunsOnceNoWaitIsRunning)
{
    int ran = 0;
    bool ranDuringAWait = false;
    soon(window.get(), [&] {
        platform::whenWaitsEnd(window.get(), [&] {
            ++ran;
            ranDuringAWait = platform::isWaiting();
        });
    });
    platform::Sleep(20);
    EXPECT_EQ(ran, 0);
    // A second wait in the same handler keeps it back again.
    platform::Sleep(20);
    EXPECT_EQ(ran, 0);
    settle();
    EXPECT_EQ(ran, 1);
    EXPECT_FALSE(ranDuringAWait);
    EXPECT_FALSE(platform::isWaiting());
}

} // namespace
