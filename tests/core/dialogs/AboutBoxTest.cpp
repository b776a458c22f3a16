#include "core/SuiteGlobals.h"
#include "core/dialogs/frmAbout.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "support/PlatformFakes.h"
#include "support/Screenshot.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QDateTime at(const char* time) { return QDateTime(QDate(2024, 3, 9), QTime::fromString(QLatin1String(time), "hh:mm:ss")); }
} // namespace

TEST(AboutBox, CountsTheMinuteBoundariesSinceTheWindowOpened)
{
    resetSuiteGlobals();
    gGameTitle = QStringLiteral("Cairnwell!");
    FakeClock clock(at("10:00:05"));
    gStartTime = clock.now();

    clock.set(at("10:00:59"));
    {
        frmAbout box;
        EXPECT_EQ(box.lblStats->caption(), QStringLiteral("This session has lasted 0 minutes.Thanks for playing!"));
    }

    gStartTime = at("10:00:59");
    clock.set(at("10:01:00"));
    frmAbout box;
    EXPECT_EQ(box.lblStats->caption(), QStringLiteral("This session has lasted 1 minutes.Thanks for playing!"));

    clock.set(at("11:15:30"));
    EXPECT_EQ(aboutSessionLine(), QStringLiteral("This session has lasted 75 minutes.Thanks for playing!"));
}

TEST(AboutBox, NamesTheGameThatOpenedItAndClosesOnCoolDude)
{
    resetSuiteGlobals();
    FakeClock clock(at("21:30:00"));
    gStartTime = at("21:12:40");
    for (const char* title : {"Go for Tallies!", "Gridhand!"}) {
        gGameTitle = QLatin1String(title);
        frmAbout box;
        EXPECT_EQ(box.windowTitle(), QStringLiteral("About ") + gGameTitle);
        EXPECT_TRUE(box.lblInfo->caption().startsWith(gGameTitle + QLatin1Char(' ')));
        EXPECT_EQ(box.lblInfo->foreColor(), platform::ColorBlue);
        EXPECT_EQ(box.cmdCoolDude->text(), QStringLiteral("&Cool Dude"));
        EXPECT_TRUE(box.cmdCoolDude->isDefault());
        EXPECT_NEAR(box.cmdCoolDude->x() * 2 + box.cmdCoolDude->width(), box.width(), 1);
        EXPECT_NEAR(box.lblInfo->x() * 2 + box.lblInfo->width(), box.width(), 1);
    }

    frmAbout box;
    box.show();
    saveScreenshot(&box, QStringLiteral("about-box"));
    QTest::mouseClick(box.cmdCoolDude, Qt::LeftButton);
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());
}
