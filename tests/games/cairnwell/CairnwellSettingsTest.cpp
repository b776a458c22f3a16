#include "CairnwellWindowFixture.h"

#include "core/scores/GameScoring.h"
#include "games/cairnwell/CairnwellSettings.h"
#include "platform/ItemReader.h"

namespace {
QByteArray entry(const char* key, const QString& value)
{
    return QByteArray(key) + "\r\n" + value.toLatin1() + "\r\n\r\n";
}

QByteArray firstRunFile(int width, int height)
{
    return entry("[Time]", "120") + entry("[Play Sounds]", "True") + entry("[Play Music]", "False") +
           entry("[Count Down Score]", "True") + entry("[Deck]", "1") + entry("[Time Bonus]", "200") +
           entry("[Bonus Score]", "100000") + entry("[Trips Score]", "6000") + entry("[Runs Score]", "300") +
           entry("[Flush Score]", "5000") + entry("[State]", "0") + entry("[Width]", QString::number(width)) +
           entry("[Height]", QString::number(height)) + "\r\n";
}

cairnwell::CairnwellSettings read(const QString& text)
{
    platform::ItemReader reader(text);
    return cairnwell::ReadSettingsINI(reader);
}
} // namespace

TEST_F(CairnwellWindowTest, AMissingSettingsFileIsWrittenWithTheDefaults)
{
    const QByteArray written = file(QStringLiteral("Cairnwell.Ini"));
    EXPECT_EQ(written, firstRunFile(9540, 7305));
    EXPECT_EQ(gTimeLimit, 120);
    EXPECT_TRUE(form->timeLimitEntry(120)->isChecked());
    EXPECT_TRUE(gSoundsOn);
    EXPECT_FALSE(gMusicOn);
    EXPECT_TRUE(gCountDownScore);
    EXPECT_EQ(gDeckDesign, 1);
    EXPECT_TRUE(form->mnuPalm->isChecked());
    EXPECT_FALSE(gCustomScoring);
}

TEST_F(CairnwellWindowTest, SettingsWrittenOnCloseAreReadBackOnTheNextLoad)
{
    form->chooseTimeLimit(90);
    form->chooseCardBack(CardBackDesign::NightCastle);
    form->setSoundsOn(false);
    form->setMusicOn(true);
    gTrioValue = 7000;
    gDeckCompletionBonus = 1; // has no entry: back to its default on the next load
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbYes);
        form->close();
    }
    const QByteArray written = file(QStringLiteral("Cairnwell.Ini"));
    EXPECT_TRUE(written.startsWith(entry("[Time]", "90") + entry("[Play Sounds]", "False") +
                                   entry("[Play Music]", "True") + entry("[Count Down Score]", "True") +
                                   entry("[Deck]", "3")));
    EXPECT_TRUE(written.contains(entry("[Trips Score]", "7000")));

    resetSuiteGlobals();
    gGameTitle = QStringLiteral("Cairnwell!");
    gAppPath = folder.path();
    form = new frmCairnwell;
    EXPECT_EQ(gTimeLimit, 90);
    EXPECT_TRUE(form->timeLimitEntry(90)->isChecked());
    EXPECT_FALSE(form->timeLimitEntry(120)->isChecked());
    EXPECT_EQ(gDeckDesign, 3);
    EXPECT_TRUE(form->mnuNight->isChecked());
    EXPECT_FALSE(gSoundsOn);
    EXPECT_TRUE(gMusicOn);
    EXPECT_TRUE(form->mnuMusic->isChecked());
    EXPECT_EQ(audio.tuneStarts(), 0);
    EXPECT_EQ(gTrioValue, 7000);
    EXPECT_EQ(gDeckCompletionBonus, 15000);
    EXPECT_TRUE(gCustomScoring);
}

TEST(CairnwellSettings, TheReaderTakesOnlyWhatTheGameOffers)
{
    using cairnwell::CairnwellSettings;
    CairnwellSettings s = read(QStringLiteral("[Time]\r\n090\r\n\r\n[Deck]\r\n5\r\n\r\n[Play Sounds]\r\ntrue\r\n"));
    EXPECT_FALSE(s.timeLimit);
    EXPECT_FALSE(s.cardBack);
    ASSERT_TRUE(s.soundsOn);
    EXPECT_FALSE(*s.soundsOn);

    // Unknown keys, blank lines, any order, the later value wins.
    s = read(QStringLiteral("[Nonsense]\nx\n\n[Height]\n8000\n[Time]\n60\n[Time]\n90\n[Width]\n10000\n[Deck]\n4\n"));
    EXPECT_EQ(s.timeLimit, 90);
    EXPECT_EQ(s.heightTw, 8000);
    EXPECT_EQ(s.widthTw, 10000);
    EXPECT_EQ(s.cardBack, CardBackDesign::HotCards);

    // Scoring values are used as stored, even beyond the user-options bounds; no number at all, or
    // one too big for 32 bits, keeps the default.
    s = read(QStringLiteral("[Time Bonus]\n5001\n[Bonus Score]\n-1\n[Trips Score]\nabc\n[Runs Score]\n20000\n"
                            "[Flush Score]\n2.5\n[State]\n7\n[Width]"));
    EXPECT_EQ(s.timeBonus, 5001);
    EXPECT_EQ(s.bonusScore, -1);
    EXPECT_FALSE(s.tripsScore);
    EXPECT_EQ(s.runsScore, 20000);
    EXPECT_EQ(s.flushScore, 2);
    EXPECT_FALSE(s.windowState);
    EXPECT_FALSE(s.widthTw);
    EXPECT_FALSE(read(QStringLiteral("[Flush Score]\n3000000000\n")).flushScore);
}

TEST(CairnwellSettings, AMaximisedWindowIsWrittenAtTheMinimumSize)
{
    const QByteArray text = cairnwell::SettingsText(cairnwell::CairnwellSettingsValues{}, {2, 20000, 15000});
    EXPECT_TRUE(text.endsWith(entry("[State]", "2") + entry("[Width]", "9540") + entry("[Height]", "7305") + "\r\n"));
    const QByteArray minimised = cairnwell::SettingsText(cairnwell::CairnwellSettingsValues{}, {1, 10000, 8000});
    EXPECT_TRUE(minimised.endsWith(entry("[State]", "1") + entry("[Width]", "10000") + entry("[Height]", "8000") + "\r\n"));
}

TEST_F(CairnwellWindowTest, AFailedSettingsWriteIsToldAndTheWindowClosesAnyway)
{
    QDir(folder.path()).remove(QStringLiteral("Cairnwell.Ini"));
    QDir(folder.path()).mkdir(QStringLiteral("Cairnwell.Ini")); // a folder in the way
    ScriptedMessageBoxes boxes;
    boxes.expect(platform::vbYes).expect(platform::vbOK);
    form->close();
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_TRUE(boxes.shown()[1].prompt.startsWith(QStringLiteral("Unable to save your options")));
    EXPECT_TRUE(form.isNull() || !form->isVisible());
}
