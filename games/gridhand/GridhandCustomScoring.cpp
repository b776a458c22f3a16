#include "games/gridhand/GridhandCustomScoring.h"

#include "core/scores/GameScoring.h"
#include "core/SuiteGlobals.h"
#include "games/gridhand/GridhandRules.h"
#include "platform/Conversions.h"

namespace gridhand {

namespace {

const std::array<CustomFieldRule, CustomFieldCount> Rules{{
    {"Pair Score Value:", 50000, 6000, GridhandDefaults::PairPoints},
    {"2 Pair Score Value:", 50000, 7000, GridhandDefaults::TwoPairPoints},
    {"3 of a Kind Score Value:", 50000, 8000, GridhandDefaults::ThreeKindPoints},
    {"Straight Score Value:", 50000, 9000, GridhandDefaults::StraightPoints},
    {"Flush Score Value:", 50000, 10000, GridhandDefaults::FlushPoints},
    {"Full House Score Value:", 50000, 20000, GridhandDefaults::FullHousePoints},
    {"4 of a Kind Score Value:", 50000, 30000, GridhandDefaults::FourKindPoints},
    {"Straight Flush Score Value:", 50000, 40000, GridhandDefaults::StraightFlushPoints},
    {"Royal Flush Score Value:", 100000, 50000, GridhandDefaults::RoyalFlushPoints},
    {"Score required for bonus round:", 1000000, 100000, GridhandDefaults::BonusRoundScore},
    {"Number of overwrites allowed", 26, 1, GridhandDefaults::OverwritesAllowed},
    {"Time Bonus (per second multipler)", 10, 1, GridhandDefaults::TimeBonus},
}};

std::int64_t valueOf(CustomField field)
{
    switch (field) {
    case CustomField::Pair:
        return gPairPoints;
    case CustomField::TwoPair:
        return gTwoPairPoints;
    case CustomField::ThreeKind:
        return gThreeKindPoints;
    case CustomField::Straight:
        return gStraightPoints;
    case CustomField::Flush:
        return gFlushPoints;
    case CustomField::FullHouse:
        return gFullHousePoints;
    case CustomField::FourKind:
        return gFourKindPoints;
    case CustomField::StFlush:
        return gStraightFlushPoints;
    case CustomField::RoyalFlush:
        return gRoyalFlushPoints;
    case CustomField::BonusScore:
        return gBonusRoundScore;
    case CustomField::OverWrites:
        return gOverwritesAllowed;
    case CustomField::TimeBonus:
        break;
    }
    return gTimeBonus;
}

void store(CustomField field, std::int32_t v)
{
    switch (field) {
    case CustomField::Pair:
        gPairPoints = v;
        break;
    case CustomField::TwoPair:
        gTwoPairPoints = v;
        break;
    case CustomField::ThreeKind:
        gThreeKindPoints = v;
        break;
    case CustomField::Straight:
        gStraightPoints = v;
        break;
    case CustomField::Flush:
        gFlushPoints = v;
        break;
    case CustomField::FullHouse:
        gFullHousePoints = v;
        break;
    case CustomField::FourKind:
        gFourKindPoints = v;
        break;
    case CustomField::StFlush:
        gStraightFlushPoints = v;
        break;
    case CustomField::RoyalFlush:
        gRoyalFlushPoints = v;
        break;
    case CustomField::BonusScore:
        gBonusRoundScore = v;
        break;
    case CustomField::OverWrites:
        gOverwritesAllowed = v;
        break;
    case CustomField::TimeBonus:
        gTimeBonus = v;
        break;
    }
}

} // namespace

const CustomFieldRule& RuleOf(CustomField field) { return Rules[std::size_t(field)]; }

QString RefusalMessage(CustomField field)
{
    if (field == CustomField::TimeBonus)
        return QStringLiteral("Sorry, the Time Bonus value must be between 0 and 10 points.");
    const CustomFieldRule& rule = RuleOf(field);
    return QStringLiteral("Sorry, the ") + QString::fromLatin1(rule.caption) + QStringLiteral(" must be between 0 and ") +
           platform::formatGrouped(rule.highest) + QStringLiteral(" points.");
}

CustomScoringFields CurrentCustomScoringFields()
{
    CustomScoringFields f;
    for (int i = 0; i < CustomFieldCount; ++i)
        f.text[i] = QString::number(valueOf(CustomField(i)));
    f.countDown = gCountDownScore;
    return f;
}

CustomScoringFields DefaultCustomScoringFields()
{
    CustomScoringFields f;
    for (int i = 0; i < CustomFieldCount; ++i)
        f.text[i] = QString::number(Rules[i].defaultValue);
    f.countDown = true;
    return f;
}

CustomScoringOutcome StoreCustomScoring(const CustomScoringFields& fields)
{
    CustomScoringOutcome out;
    for (int i = 0; i < CustomFieldCount; ++i) {
        const auto field = CustomField(i);
        const CustomFieldRule& rule = Rules[i];
        const double value = platform::Val(fields.text[i]);
        if (value < 0 || value > rule.highest) {
            store(field, rule.refusedValue);
            out.refusals.push_back({field, RefusalMessage(field), QString::number(rule.refusedValue)});
            continue;
        }
        store(field, std::int32_t(platform::roundHalfEven(value)));
        if (field == CustomField::BonusScore)
            out.bonusScoreAccepted = true;
        if (field == CustomField::TimeBonus)
            gCountDownScore = fields.countDown;
    }
    CheckForCustom();
    return out;
}

QString BonusRoundStatusText() { return customscoring::BonusRoundStatusText(gBonusRoundScore); }

} // namespace gridhand
