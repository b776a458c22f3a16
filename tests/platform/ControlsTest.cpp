#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "platform/Timer.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <algorithm>
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

TEST(Timer, AHeldTimerGivesNoTickEvenWhenFired)
{
    platform::Timer timer(nullptr, 1000, true);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setHeld(true);
    timer.fire();
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(timer.enabled());
    timer.setHeld(false);
    timer.fire();
    EXPECT_EQ(ticks, 1);
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
    // Long prompts are broken into lines; the words themselves are shown as typed.
    EXPECT_EQ(shown.replace(QLatin1Char('\n'), QLatin1Char(' ')), QStringLiteral("This game was saved by ") + name);
}

// A long prompt is broken into even lines, so its last word never stands on a line of its own.
TEST(MessageBox, LongPromptsBreakIntoEvenLines)
{
    const QFontMetrics metrics(QApplication::font());
    const QString prompt = QStringLiteral("Sorry, the score awarded for each second remaining in the game after "
                                          "selecting 'Take Score' must fall between 1 and 5,000,000 points");
    const int wholeWidth = metrics.horizontalAdvance(prompt);
    for (int lines : {2, 3}) {
        SCOPED_TRACE(lines);
        // Just too narrow for a greedy break into this many lines to leave the last word company.
        const int limit = wholeWidth / lines + metrics.horizontalAdvance(QStringLiteral("w")) * 2;
        const QStringList broken = platform::balancedLines(prompt, metrics, limit).split(QLatin1Char('\n'));
        EXPECT_EQ(broken.join(QLatin1Char(' ')), prompt);
        int widest = 0, narrowest = limit;
        for (const QString& line : broken) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
            narrowest = std::min(narrowest, metrics.horizontalAdvance(line));
        }
        EXPECT_LE(widest, limit);
        EXPECT_GT(narrowest * 2, widest);
    }
    // Short prompts and the prompt's own line breaks stay as they are.
    EXPECT_EQ(platform::balancedLines(QStringLiteral("Giving up so soon?"), metrics, 400),
              QStringLiteral("Giving up so soon?"));
    EXPECT_EQ(platform::balancedLines(QStringLiteral("One\r\nTwo"), metrics, 400), QStringLiteral("One\r\nTwo"));
}
