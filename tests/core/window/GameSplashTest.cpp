#include "core/cards/CardImage.h"
#include "core/window/GameSplash.h"
#include "core/SuiteGlobals.h"
#include "platform/Label.h"
#include "platform/Twips.h"
#include "support/PlatformFakes.h"

#include <QWidget>
#include <gtest/gtest.h>

using platform::heightTw;
using platform::leftTw;
using platform::topTw;
using platform::widthTw;

namespace {
constexpr int OnePixel = 15;

constexpr GameSplash::Look Sized{.cardWidth = 1065, .cardHeight = 1440, .cardLeft = 320, .cardTop = 300,
                                 .cardStepX = 400, .cardStepY = 600, .textLeft = 2820, .textWidth = 2900,
                                 .companyTop = 900, .nameTop = 1260, .versionTop = 2160, .platformTop = 2460,
                                 .namePointSize = 22, .frameWidth = 5900, .frameHeight = 4200};

class GameSplashTest : public ::testing::Test {
protected:
    void SetUp() override { resetSuiteGlobals(); }
    QWidget table;
};
} // namespace

TEST_F(GameSplashTest, ShowsTheSuiteTitlesAndStartsFaceDown)
{
    gGameTitle = QStringLiteral("Spires!");
    GameSplash splash(&table, Sized);
    splash.showTitles();
    splash.showBacks();
    EXPECT_EQ(splash.lblProductName->caption(), QStringLiteral("Spires!"));
    EXPECT_EQ(splash.lblCompanyProduct->caption(), QStringLiteral("Corvanta Presents"));
    EXPECT_EQ(splash.lblVersion->caption(), QStringLiteral("Version 4.0"));
    EXPECT_EQ(splash.lblPlatform->caption(), QStringLiteral("Windows 95/98/NT"));
    for (CardImage* image : splash.imgSplashImage)
        EXPECT_TRUE(image->shows(QStringLiteral("BACK")));
}

TEST_F(GameSplashTest, ArrangesCardsFrameAndTitlesForTheScaleButKeepsTitleHeights)
{
    GameSplash splash(&table, Sized);
    for (double scale : {1.0, 2.0}) {
        SCOPED_TRACE(scale);
        splash.arrange(scale);
        EXPECT_NEAR(widthTw(&splash), 5900 * scale, OnePixel);
        EXPECT_NEAR(heightTw(&splash), 4200 * scale, OnePixel);
        EXPECT_NEAR(leftTw(splash.imgSplashImage[3]), (320 + 3 * 400) * scale, OnePixel);
        EXPECT_NEAR(topTw(splash.imgSplashImage[3]), (300 + 3 * 600) * scale, OnePixel);
        EXPECT_NEAR(widthTw(splash.imgSplashImage[3]), 1065 * scale, OnePixel);
        EXPECT_NEAR(topTw(splash.lblVersion), 2160 * scale, OnePixel);
        EXPECT_NEAR(widthTw(splash.lblProductName), 2900 * scale, OnePixel);
        EXPECT_NEAR(heightTw(splash.lblProductName), 720, OnePixel);
    }
}

TEST_F(GameSplashTest, ALookWithoutAFrameSizeLeavesTheFrameToTheWindow)
{
    GameSplash::Look unsized = Sized;
    unsized.frameWidth = unsized.frameHeight = 0;
    GameSplash splash(&table, unsized);
    platform::resizeTw(&splash, 7155, 4050);
    splash.arrange(1.0);
    EXPECT_NEAR(widthTw(&splash), 7155, OnePixel);
}

TEST_F(GameSplashTest, TheCascadeTurnsBackThenDealsBacksThenFacesAndRepeatsEverySixteenTicks)
{
    GameSplash splash(&table, Sized);
    splash.animate(); // the first tick steps back off card 0 and turns the pass round
    EXPECT_TRUE(splash.cascade().Forward);
    EXPECT_TRUE(splash.cascade().ShowBacks);
    EXPECT_EQ(splash.cascade().Position, 0);
    const SplashCascade start = splash.cascade();
    for (int i = 0; i < 4; ++i)
        splash.animate();
    for (CardImage* image : splash.imgSplashImage) {
        EXPECT_TRUE(image->shows(QStringLiteral("BACK")));
        EXPECT_EQ(image->borderStyle(), 0);
    }
    EXPECT_FALSE(splash.cascade().Forward);
    EXPECT_EQ(splash.cascade().Position, 3);
    for (int i = 0; i < 4 + 4; ++i)
        splash.animate();
    for (CardImage* image : splash.imgSplashImage) {
        EXPECT_GE(image->picture(), 14);
        EXPECT_LE(image->picture(), 65);
        EXPECT_EQ(image->borderStyle(), 1);
    }
    for (int i = 0; i < 4; ++i)
        splash.animate();
    EXPECT_EQ(splash.cascade().Forward, start.Forward);
    EXPECT_EQ(splash.cascade().ShowBacks, start.ShowBacks);
    EXPECT_EQ(splash.cascade().Position, start.Position);
}
