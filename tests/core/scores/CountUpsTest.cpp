#include "core/window/ClockSurface.h"
#include "core/scores/CountUps.h"
#include "core/SuiteGlobals.h"
#include "core/window/TimerPie.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "support/PlatformFakes.h"
#include "support/RecordingAudio.h"
#include "support/TestGameForm.h"

#include <gtest/gtest.h>
#include <memory>

namespace {
class CountUps : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetSuiteGlobals();
        gGameTitle = QStringLiteral("Duetto!");
    }

    // A form of the given kind whose figure and score captions are recorded as they change.
    TestGameForm& form(const QString& name = QStringLiteral("frmDuetto"))
    {
        m_form = std::make_unique<TestGameForm>(name);
        m_form->lblScoring->onChange = [this] { figures.push_back(m_form->lblScoring->caption()); };
        m_form->lblCurrentScore->onChange = [this] { scores.push_back(m_form->lblCurrentScore->caption()); };
        InitTimerSurface(*m_form);
        return *m_form;
    }

    InstantWaits waits;
    RecordingAudio audio;
    QStringList figures;
    QStringList scores;

private:
    std::unique_ptr<TestGameForm> m_form;
};

std::vector<int> waitsOf(int first, int steps)
{
    std::vector<int> w{first};
    w.insert(w.end(), std::size_t(steps), 75);
    return w;
}
} // namespace

TEST_F(CountUps, SpeedBonusCountsTheSecondsLeftOutOnTheDial)
{
    TestGameForm& f = form();
    gTimeLimit = 60;
    gElapsed = 30;
    gScore = 1000;
    gTimeBonus = 100;
    gCountDownScore = true;
    gSoundsOn = true;
    f.Timer2->setEnabled(true);

    ShowSpeedBonus(f, gTimeBonus);

    EXPECT_EQ(f.lblMessage->caption(), QStringLiteral("Speed Bonus!"));
    EXPECT_TRUE(f.lblMessage->isVisibleTo(&f));
    ASSERT_EQ(figures.size(), 31);
    EXPECT_EQ(figures.front(), QStringLiteral("3,000"));
    EXPECT_EQ(figures[1], QStringLiteral("2,900"));
    EXPECT_EQ(figures.back(), QStringLiteral("0"));
    ASSERT_EQ(scores.size(), 30);
    EXPECT_EQ(scores.front(), QStringLiteral("1,100"));
    EXPECT_EQ(scores.back(), QStringLiteral("4,000"));
    EXPECT_EQ(gScore, 4000);
    EXPECT_EQ(gElapsed, 60);
    EXPECT_EQ(gPieElapsed, 60);
    EXPECT_EQ(waits.waits(), waitsOf(2000, 30));
    EXPECT_EQ(audio.waves(), QStringList(30, appFile(QStringLiteral("Snap.wav"))));

    // The dial ran out to full, which stops its redraw.
    ASSERT_FALSE(f.Surface->picture().slices.empty());
    EXPECT_EQ(f.Surface->picture().slices.back().toDegrees, 360);
    EXPECT_FALSE(f.Timer2->enabled());

    EXPECT_FALSE(f.lblScoring->isVisibleTo(&f));
    EXPECT_EQ(f.lblScoring->foreColor(), platform::ColorBlack);
    EXPECT_EQ(f.lblCurrentScore->foreColor(), platform::ColorBlue);
}

TEST_F(CountUps, SpeedBonusWithoutCountDownPaysAtOnceAndLeavesTheClock)
{
    TestGameForm& f = form();
    gTimeLimit = 60;
    gElapsed = 30;
    gPieElapsed = 30;
    gScore = 1000;
    gSoundsOn = true;

    ShowSpeedBonus(f, 100);

    EXPECT_EQ(figures, QStringList{QStringLiteral("3,000")});
    EXPECT_EQ(f.lblScoring->foreColor(), platform::ColorRed);
    EXPECT_EQ(gScore, 4000);
    EXPECT_EQ(f.lblCurrentScore->caption(), QStringLiteral("4,000"));
    EXPECT_EQ(gElapsed, 30);
    EXPECT_EQ(gPieElapsed, 30);
    EXPECT_EQ(waits.waits(), std::vector<int>{2000});
    EXPECT_TRUE(audio.waves().isEmpty());
}

TEST_F(CountUps, SpeedBonusWithNoSecondLeftShowsZeroAndAddsNothing)
{
    for (bool countDown : {false, true}) {
        TestGameForm& f = form();
        figures.clear();
        waits.clear();
        gTimeLimit = 45;
        gElapsed = 45;
        gScore = 500;
        gCountDownScore = countDown;

        ShowSpeedBonus(f, 100);

        EXPECT_EQ(figures, QStringList{QStringLiteral("0")});
        EXPECT_EQ(gScore, 500);
        EXPECT_EQ(gElapsed, 45);
        EXPECT_EQ(waits.waits(), std::vector<int>{2000});
    }
}

TEST_F(CountUps, SoundsOffCountsInSilence)
{
    TestGameForm& f = form();
    gTimeLimit = 30;
    gElapsed = 25;
    gCountDownScore = true;
    gSoundsOn = false;
    ShowSpeedBonus(f, 10);
    AwardPoints(f, 1, 100, QStringLiteral("Runs Bonus"));
    EXPECT_TRUE(audio.waves().isEmpty());
    EXPECT_EQ(gScore, 150);
}

TEST_F(CountUps, GridhandPaysPerSecondTimesItsHandPointsCentredOnTheOutline)
{
    TestGameForm& f = form(QStringLiteral("frmGridhand"));
    f.lblMessage->setCaption(QStringLiteral("Ten hands!"));
    gTimeLimit = 75;
    gElapsed = 65;
    gHandPoints = 500;
    gCountDownScore = true;

    ShowSpeedBonus(f, 1);

    EXPECT_EQ(f.lblMessage->caption(), QStringLiteral("Ten hands!"));
    EXPECT_EQ(figures.front(), QStringLiteral("5,000"));
    EXPECT_EQ(figures[1], QStringLiteral("4,500"));
    EXPECT_EQ(gScore, 5000);
    const QWidget* outline = f.ScoringLabelOutline;
    const int expectedLeft =
        platform::leftTw(outline) + (platform::widthTw(outline) - platform::widthTw(f.lblScoring)) / 2;
    EXPECT_EQ(f.lblScoring->x(), platform::toPixels(expectedLeft));
}

TEST_F(CountUps, TheFigureIsCentredOnTheFormAndCairnwellPutsTheMessageLeftOfIt)
{
    TestGameForm& duetto = form();
    gTimeLimit = 60;
    gElapsed = 50;
    ShowSpeedBonus(duetto, 100);
    EXPECT_EQ(duetto.lblScoring->x(),
              platform::toPixels(duetto.Width() / 2 - platform::widthTw(duetto.lblScoring) / 2));
    const int duettoMessageLeft = duetto.lblMessage->x();

    TestGameForm& cairnwell = form(QStringLiteral("frmCairnwell"));
    gElapsed = 50;
    ShowSpeedBonus(cairnwell, 100);
    const int scoringLeft = platform::leftTw(cairnwell.lblScoring);
    EXPECT_EQ(cairnwell.lblMessage->x(),
              platform::toPixels(scoringLeft - platform::widthTw(cairnwell.lblMessage) - 100));
    EXPECT_NE(cairnwell.lblMessage->x(), duettoMessageLeft);
}

TEST_F(CountUps, TheScoreStopsAtTheLargestScore)
{
    TestGameForm& f = form();
    gTimeLimit = 60;
    gElapsed = 0;
    gScore = 2147480000;
    gCountDownScore = true;
    ShowSpeedBonus(f, 100);
    EXPECT_EQ(gScore, 2147483647);
    EXPECT_EQ(f.lblCurrentScore->caption(), QStringLiteral("2,147,483,647"));

    gCountDownScore = false;
    AwardPoints(f, 2147483647, 2147483647, QStringLiteral("Huge"));
    EXPECT_EQ(figures.last(), QStringLiteral("4,611,686,014,132,420,609"));
    EXPECT_EQ(gScore, 2147483647);
}

TEST_F(CountUps, AwardPointsCountsTheBonusInTwentySteps)
{
    TestGameForm& f = form(QStringLiteral("frmSpires"));
    gScore = 2500;
    gCountDownScore = true;
    gSoundsOn = true;

    AwardPoints(f, 2, 5000, QStringLiteral("Tower Bonus"));

    EXPECT_EQ(f.lblMessage->caption(), QStringLiteral("Tower Bonus!"));
    EXPECT_TRUE(f.lblMessage->isVisibleTo(&f));
    ASSERT_EQ(figures.size(), 21);
    EXPECT_EQ(figures.front(), QStringLiteral("10,000"));
    EXPECT_EQ(figures[1], QStringLiteral("9,500"));
    EXPECT_EQ(figures.back(), QStringLiteral("0"));
    EXPECT_EQ(scores.front(), QStringLiteral("3,000"));
    EXPECT_EQ(gScore, 12500);
    EXPECT_EQ(waits.waits(), waitsOf(1000, 20));
    EXPECT_EQ(audio.waves().size(), 20);
    EXPECT_FALSE(f.lblScoring->isVisibleTo(&f));
    EXPECT_EQ(f.lblCurrentScore->foreColor(), platform::ColorBlue);
    EXPECT_EQ(f.lblScoring->x(), platform::toPixels(f.Width() / 2 - platform::widthTw(f.lblScoring) / 2));
}

TEST_F(CountUps, AwardPointsPaysExactlyTheBonusWhateverItsSize)
{
    struct Case {
        std::int32_t points;
        int steps;
        QString secondFigure;
    };
    const Case cases[] = {
        {0, 0, QString()},
        {1, 1, QStringLiteral("0")},
        {7, 7, QStringLiteral("6")},    // a twentieth rounds to nothing: one point a step
        {10, 10, QStringLiteral("9")},
        {100, 20, QStringLiteral("95")},
        {110, 19, QStringLiteral("104")}, // steps of 6, the last one pays the 2 left
        {30, 15, QStringLiteral("28")},   // 1.5 rounds to 2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points);
        TestGameForm& f = form();
        figures.clear();
        scores.clear();
        waits.clear();
        gScore = 1000;
        gCountDownScore = true;

        AwardPoints(f, 1, c.points, QStringLiteral("Pairs Bonus"));

        EXPECT_EQ(gScore, 1000 + c.points);
        EXPECT_EQ(waits.waits(), waitsOf(1000, c.steps));
        ASSERT_EQ(figures.size(), c.steps == 0 ? 1 : c.steps + 1);
        EXPECT_EQ(figures.front(), QString::number(c.points));
        if (c.steps > 0) {
            EXPECT_EQ(figures[1], c.secondFigure);
            EXPECT_EQ(figures.back(), QStringLiteral("0"));
        }
    }
}

TEST_F(CountUps, AwardPointsWithoutCountDownPaysAtOnce)
{
    TestGameForm& f = form();
    gScore = 0;
    AwardPoints(f, 3, 500, QStringLiteral("Runs Bonus"));
    EXPECT_EQ(figures, QStringList{QStringLiteral("1,500")});
    EXPECT_EQ(scores, QStringList{QStringLiteral("1,500")});
    EXPECT_EQ(waits.waits(), std::vector<int>{1000});

    AwardPoints(f, 0, 5000, QStringLiteral("Tower Bonus"));
    EXPECT_EQ(figures.last(), QStringLiteral("0"));
    EXPECT_EQ(gScore, 1500);
}
