#include "core/cards/DeckNumbers.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsWriter.h"
#include "platform/ItemReader.h"
#include "support/PlatformFakes.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace settingsfile;

namespace {
// A table of two keys over the given text; returns what readFrom said.
struct ReadTwoKeys {
    std::optional<int> number;
    std::optional<bool> on;
    bool toTheEnd = false;

    explicit ReadTwoKeys(const QString& text)
    {
        platform::ItemReader reader(text);
        SettingsKeys keys;
        keys.number(QStringLiteral("[N]"), number, 0, 100).onOff(QStringLiteral("[On]"), on);
        toTheEnd = keys.readFrom(reader);
    }
};
} // namespace

TEST(SettingsKeys, PassesOverUnknownItemsAndTheLastGoodValueWins)
{
    const ReadTwoKeys read(
        QStringLiteral("junk\r\n[N]\r\n7\r\n\r\n[Other]\r\n[On]\r\nTrue\r\n[N]\r\n9\r\n[N]\r\n-3\r\n"));
    EXPECT_TRUE(read.toTheEnd);
    EXPECT_EQ(read.number, 9); // "-3" is refused, so the 9 before it stands
    EXPECT_EQ(read.on, true);

    EXPECT_EQ(ReadTwoKeys(QStringLiteral("[On]\ntrue\n")).on, false); // only "True" is on
}

TEST(SettingsKeys, AKeyWithoutItsValueOrAStoppingHandlerEndsTheReading)
{
    const ReadTwoKeys lastKey(QStringLiteral("[N]\r\n4\r\n[On]"));
    EXPECT_FALSE(lastKey.toTheEnd);
    EXPECT_EQ(lastKey.number, 4);
    EXPECT_FALSE(lastKey.on);

    platform::ItemReader reader(QStringLiteral("[Stop]\nx\n[After]\n1\n"));
    bool after = false;
    SettingsKeys keys;
    keys.onOrStop(QStringLiteral("[Stop]"), [](const QString&) { return false; })
        .on(QStringLiteral("[After]"), [&after](const QString&) { after = true; });
    EXPECT_FALSE(keys.readFrom(reader));
    EXPECT_FALSE(after);
}

TEST(SettingsKeys, NumbersRoundHalfToEvenAndStayWithinBounds)
{
    const struct {
        const char* text;
        std::optional<std::int64_t> expected;
    } cases[] = {
        {"5", 5}, {"4.5", 4}, {"5.5", 6}, {"-0.4", 0}, {"100.4", 100}, {"100.6", std::nullopt},
        {"-1", std::nullopt}, {"1e300", std::nullopt}, {"abc", std::nullopt}, {"", std::nullopt},
        {"nan", std::nullopt}, {"inf", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberWithin(QString::fromLatin1(c.text), 0, 100), c.expected) << c.text;
}

TEST(SettingsWriter, WritesEachRecordWithAnEmptyLineAndAMaximisedWindowAtItsFixedSize)
{
    SettingsWriter writer;
    writer.number(QStringLiteral("[N]"), 12)
        .onOff(QStringLiteral("[On]"), false)
        .text(QStringLiteral("[T]"), QStringLiteral(" 90"));
    writer.placement({2, 20000, 15000}, {9540, 7305});
    const QByteArray records = "[N]\r\n12\r\n\r\n[On]\r\nFalse\r\n\r\n[T]\r\n 90\r\n\r\n"
                               "[State]\r\n2\r\n\r\n[Width]\r\n9540\r\n\r\n[Height]\r\n7305\r\n\r\n";
    EXPECT_EQ(writer.contents(false), records);
    EXPECT_EQ(writer.contents(true), records + "\r\n");

    EXPECT_EQ(SettingsWriter().placement({1, 8000, 6000}, {9540, 7305}).contents(false),
              QByteArray("[State]\r\n1\r\n\r\n[Width]\r\n8000\r\n\r\n[Height]\r\n6000\r\n\r\n"));
}

TEST(SettingsFile, WritesTheDefaultsWhenTheFileIsMissingAndReadsThem)
{
    TempProgramFolder folder;
    int defaultsWritten = 0;
    auto writeDefaults = [&defaultsWritten] {
        ++defaultsWritten;
        WriteWhole(QStringLiteral("Game.Ini"), "[N]\r\n3\r\n\r\n");
    };
    auto reader = OpenOrCreate(QStringLiteral("Game.Ini"), writeDefaults);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->next(), QStringLiteral("[N]"));
    EXPECT_EQ(reader->next(), QStringLiteral("3"));

    // Opened as it is the second time.
    EXPECT_TRUE(OpenOrCreate(QStringLiteral("Game.Ini"), writeDefaults));
    EXPECT_EQ(defaultsWritten, 1);

    // When the defaults cannot be written either, nothing is read.
    EXPECT_FALSE(OpenOrCreate(QStringLiteral("Missing.Ini"), [] {}));
    EXPECT_EQ(NotSavedMessage(QStringLiteral("Game.Ini")),
              QStringLiteral("Unable to save your options in ") + QDir::toNativeSeparators(folder.file("Game.Ini")) +
                  QStringLiteral(". The options you changed will not be kept."));
}

TEST(DeckNumbers, BothNumberingsRoundTripAndRefuseOtherNumbers)
{
    for (DeckNumbering numbering : {DeckNumbering::PalmTreeFirst, DeckNumbering::HotCardsFirst})
        for (int n = 1; n <= 4; ++n)
            EXPECT_EQ(DeckNumberOf(*DesignOfDeckNumber(n, numbering), numbering), n);
    EXPECT_EQ(DesignOfDeckNumber(1, DeckNumbering::PalmTreeFirst), CardBackDesign::PalmTree);
    EXPECT_EQ(DesignOfDeckNumber(1, DeckNumbering::HotCardsFirst), CardBackDesign::HotCards);
    EXPECT_EQ(DesignOfDeckNumber(0, DeckNumbering::PalmTreeFirst), std::nullopt);
    EXPECT_EQ(DesignOfDeckText(QStringLiteral("4"), DeckNumbering::PalmTreeFirst), CardBackDesign::HotCards);
    for (const char* text : {"5", "04", "4.0", ""})
        EXPECT_EQ(DesignOfDeckText(QString::fromLatin1(text), DeckNumbering::PalmTreeFirst), std::nullopt) << text;
}
