#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "platform/Timer.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
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

TEST(MessageBox, ShowsMarkupFromAFileAsTypedAndNeverAsALink)
{
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            format = box->textFormat();
            shown = box->text();
            box->accept();
        }
    });
    const QString name = QStringLiteral("<a href='https://example.invalid/'>Click here</a><h1>big</h1>");
    platform::MsgBox(QStringLiteral("This game was saved by ") + name, platform::vbOKOnly, QStringLiteral("Saved Game Information"));
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, QStringLiteral("This game was saved by ") + name);
}
