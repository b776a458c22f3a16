#include "platform/Label.h"
#include "platform/TextFile.h"
#include "platform/Timer.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(Label, ChangeHandlerRunsOnlyOnARealChange)
{
    platform::Label label;
    int changes = 0;
    label.onChange = [&] { ++changes; };
    label.setCaption(QStringLiteral("10"));
    label.setCaption(QStringLiteral("10"));
    label.setCaption(QStringLiteral("20"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(label.caption(), QStringLiteral("20"));
}

TEST(Timer, TicksOnlyWhileEnabledWithAnInterval)
{
    platform::Timer timer(nullptr, 10, false);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    QTest::qWait(40);
    EXPECT_EQ(ticks, 0);
    timer.setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(ticks > 0, 1000);
    timer.setEnabled(false);
    const int seen = ticks;
    QTest::qWait(40);
    EXPECT_EQ(ticks, seen);
}

TEST(TextFile, ReplacesTheWholeFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(platform::writeFileAtomically(path, "first\r\n"));
    ASSERT_TRUE(platform::writeFileAtomically(path, "second\r\n"));
    QByteArray contents;
    ASSERT_TRUE(platform::readWholeFile(path, &contents));
    EXPECT_EQ(contents, QByteArray("second\r\n"));
    EXPECT_FALSE(platform::writeFileAtomically(dir.filePath(QStringLiteral("missing/a.txt")), "x"));
}
