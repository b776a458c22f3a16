#include "core/settings/CustomScoringCheck.h"
#include "core/SuiteGlobals.h"
#include "support/PlatformFakes.h"

#include <gtest/gtest.h>

using namespace customscoring;

TEST(CustomScoringCheck, HoldsAnEntryToZeroThroughItsBound)
{
    struct Case {
        const char* entry;
        double scale;
        bool accepted;
        std::int64_t value;
        const char* message;
        const char* text;
    };
    const Case cases[] = {
        {"0", 1, true, 0, "", ""},
        {"500", 1, true, 500, "", ""},
        {"2.5", 1, true, 2, "", ""},   // halves go to even
        {"3.5", 1, true, 4, "", ""},
        {"12abc", 1, true, 12, "", ""}, // a leading number is read
        {"", 1, true, 0, "", ""},
        {"-0.5", 1, false, 0, "low", "0"},
        {"500.5", 1, false, 500, "high", "500"},
        {"1.5", 1000, true, 1500, "", ""}, // scaled before rounding
        {"501", 1000, false, 500000, "high", "500"},
    };
    for (const Case& c : cases) {
        const BoundsCheck check = checkBounds(QString::fromLatin1(c.entry), 500, "low", "high", c.scale);
        EXPECT_EQ(check.accepted, c.accepted) << c.entry;
        EXPECT_EQ(check.value, c.value) << c.entry;
        EXPECT_EQ(check.message, QString::fromLatin1(c.message)) << c.entry;
        EXPECT_EQ(check.text, QString::fromLatin1(c.text)) << c.entry;
    }
}

TEST(CustomScoringCheck, RefusalsCollectInOrderAndOnlyForRefusedEntries)
{
    enum class Field { A, B, C };
    Outcome<Field> outcome;
    holdToBounds(outcome, Field::A, QStringLiteral("11"), 10, "A low", "A high");
    holdToBounds(outcome, Field::B, QStringLiteral("5"), 10, "B low", "B high");
    holdToBounds(outcome, Field::C, QStringLiteral("-1"), 10, "C low", "C high");
    ASSERT_EQ(outcome.refusals.size(), 2u);
    EXPECT_FALSE(outcome.allAccepted());
    EXPECT_EQ(outcome.refusals[0].field, Field::A);
    EXPECT_EQ(outcome.refusals[0].message, QStringLiteral("A high"));
    EXPECT_EQ(outcome.refusals[0].text, QStringLiteral("10"));
    EXPECT_EQ(outcome.refusals[1].field, Field::C);
    EXPECT_EQ(outcome.refusals[1].text, QStringLiteral("0"));
}

TEST(CustomScoringCheck, ARefusedPassCountKeepsTheOneInForceButSetsThePassesLeft)
{
    resetSuiteGlobals();
    gCardsToPass = gPassesLeft = 3;
    PacingChecks checks = storePassesAndWait(QStringLiteral("11"), QStringLiteral("31"), 30, "too long");
    EXPECT_EQ(gPassesLeft, 10);
    EXPECT_EQ(gCardsToPass, 3);
    EXPECT_EQ(gWaitPeriod, 30000);
    EXPECT_EQ(checks.passes.message, QStringLiteral("Sorry, you cannot pass more than 10 cards."));
    EXPECT_EQ(checks.wait.message, QStringLiteral("too long"));

    checks = storePassesAndWait(QStringLiteral("4"), QStringLiteral("1.5"), 30, "too long");
    EXPECT_TRUE(checks.passes.accepted && checks.wait.accepted);
    EXPECT_EQ(gPassesLeft, 4);
    EXPECT_EQ(gCardsToPass, 4);
    EXPECT_EQ(gWaitPeriod, 1500);
}
