#include "platform/Conversions.h"
#include "platform/ItemReader.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Conversions, StrPutsABlankBeforeNonNegativeNumbers)
{
    EXPECT_EQ(Str(std::int64_t(12)), QStringLiteral(" 12"));
    EXPECT_EQ(Str(std::int64_t(0)), QStringLiteral(" 0"));
    EXPECT_EQ(Str(std::int64_t(-12)), QStringLiteral("-12"));
}

TEST(Conversions, ValReadsTheLeadingNumber)
{
    const std::pair<const char*, double> cases[] = {
        {"12", 12}, {"  12abc", 12}, {"abc", 0}, {"", 0}, {"-7", -7}, {"2.5", 2.5}, {"1 2", 12}, {" 13S", 13}, {"1E3", 1000}};
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(Val(QString::fromLatin1(text)), value) << text;
}

TEST(Conversions, RoundsHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.51), 3);
}

TEST(Conversions, GroupsThousandsWithCommas)
{
    EXPECT_EQ(formatGrouped(0), QStringLiteral("0"));
    EXPECT_EQ(formatGrouped(999), QStringLiteral("999"));
    EXPECT_EQ(formatGrouped(50000), QStringLiteral("50,000"));
    EXPECT_EQ(formatGrouped(2147483647), QStringLiteral("2,147,483,647"));
    EXPECT_EQ(formatGrouped(-1234), QStringLiteral("-1,234"));
}

TEST(Conversions, CountsMinuteBoundaries)
{
    const QDateTime start(QDate(2026, 1, 1), QTime(10, 0, 59));
    EXPECT_EQ(minutesBetween(start, start.addSecs(0)), 0);
    EXPECT_EQ(minutesBetween(start, QDateTime(QDate(2026, 1, 1), QTime(10, 1, 0))), 1);
    EXPECT_EQ(minutesBetween(QDateTime(QDate(2026, 1, 1), QTime(10, 0, 0)), QDateTime(QDate(2026, 1, 1), QTime(10, 0, 59))), 0);
    EXPECT_EQ(minutesBetween(start, start.addSecs(5 * 60)), 5);
}

TEST(Conversions, SaturatesTheScore)
{
    EXPECT_EQ(saturateLong(std::int64_t(3) * 1000000000), 2147483647);
    EXPECT_EQ(saturateLong(-5), -5);
}

namespace {
QStringList allItems(const QString& text)
{
    ItemReader r(text);
    QStringList items;
    while (!r.atEnd())
        items << r.next();
    EXPECT_EQ(r.next(), QString()) << "past the end";
    return items;
}
} // namespace

TEST(ItemReader, SplitsAtCommasAndLineEnds)
{
    EXPECT_EQ(allItems(QStringLiteral("[Time]\r\n90\r\n\r\nName , 123\nlast")),
              (QStringList{"[Time]", "90", "", "Name", "123", "last"}));
}

TEST(ItemReader, CrAloneEndsALineAndATrailingCommaLeavesAnEmptyItem)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"a\rb\r\rc", {"a", "b", "", "c"}},
        {"a,\r\nb", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"\n", {""}},
        {"", {}},
        {"\"x\"y, \"\" ", {"xy", ""}}, // blanks outside the quotes are dropped
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(allItems(QString::fromLatin1(text)), expected) << text;
    }
}


TEST(ItemReader, LfAndCrLfReadTheSame)
{
    ItemReader a(QStringLiteral("a\r\nb,c\r\n"));
    ItemReader b(QStringLiteral("a\nb,c\n"));
    while (!a.atEnd() || !b.atEnd())
        EXPECT_EQ(a.next(), b.next());
}

TEST(ItemReader, QuotedItemsKeepCommasAndBlanks)
{
    ItemReader r(QStringLiteral("\" a, b \",2"));
    EXPECT_EQ(r.next(), QStringLiteral(" a, b "));
    EXPECT_EQ(r.next(), QStringLiteral("2"));
    EXPECT_TRUE(r.atEnd());
}

TEST(ItemReader, BlanksOutsideTheQuotesAreDroppedAndBlanksInsideKept)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"   \"Zed\"", {"Zed"}},
        {"\"Zed\"   ,2", {"Zed", "2"}},
        {" \t\" Zed \" \t\r\n", {" Zed "}},
        {"  \"\"  ,", {"", ""}},
        {"  Ann \"Lee\"  ", {"Ann Lee"}}, // text beside the quotes stays, blanks between included
        {"  \"Ann\" Lee  ", {"Ann Lee"}},
        {"\"a\"  \"b\"", {"a  b"}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(allItems(QString::fromLatin1(text)), expected) << text;
    }
}

TEST(ItemReader, AnyOneLineTextWrittenAsAnItemReadsBackWhole)
{
    const QString texts[] = {"Ann",  "Smith, John \"Ace\"", "\"Ace\"", "a\"b", "\"", "\"\"", ",", " a ",
                             "  ",   "x, \"y\", z",          "",        "Jos\u00e9 \u0141ukasz"};
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(allItems(QStringLiteral("[Name]\r\n") + asItem(text) + QStringLiteral("\r\n[Next], 1\r\n")),
                  (QStringList{"[Name]", text, "[Next]", "1"}));
    }
    // What needs no quotes is written as it is; inside quotes a quote is doubled.
    EXPECT_EQ(asItem(QStringLiteral("Ann Lee")), QStringLiteral("Ann Lee"));
    EXPECT_EQ(asItem(QStringLiteral("Smith, John \"Ace\"")), QStringLiteral("\"Smith, John \"\"Ace\"\"\""));
}
