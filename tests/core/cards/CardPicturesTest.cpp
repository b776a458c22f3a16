#include "core/cards/CardBacks.h"
#include "core/cards/CardImage.h"
#include "core/window/GameForm.h"
#include "core/cards/ImageList.h"

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
// Just the four design entries of a game window.
class DeckMenuForm : public GameForm {
public:
    DeckMenuForm()
    {
        for (QAction** a : {&mnuPalm, &mnuMagic, &mnuNight, &mnuHot}) {
            *a = new QAction(&window);
            (*a)->setCheckable(true);
        }
    }
    QString Name() const override { return QStringLiteral("frmTest"); }
    QWidget* Form() override { return &window; }
    void ShowCards(bool) override {}
    void ShowControls(bool, bool) override {}
    QWidget window;
};

class CardPictures : public ::testing::Test {
protected:
    void TearDown() override { SelectCardBackDesign(form, CardBackDesign::PalmTree); }
    DeckMenuForm form;
};
} // namespace

TEST_F(CardPictures, HotCardsMovesTheKeysAndPalmTreeRestoresThem)
{
    SelectCardBackDesign(form, CardBackDesign::HotCards);
    EXPECT_EQ(ImageList2().indexOf("BACK"), 11);
    EXPECT_EQ(ImageList2().indexOf("FULL"), 10);
    EXPECT_EQ(ImageList2().indexOf("HALF"), 12);
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(ImageList2().key(i).isEmpty());
    EXPECT_TRUE(form.mnuHot->isChecked());
    EXPECT_FALSE(form.mnuPalm->isChecked());

    SelectCardBackDesign(form, CardBackDesign::PalmTree);
    EXPECT_EQ(ImageList2().indexOf("FULL"), 1);
    EXPECT_EQ(ImageList2().indexOf("BACK"), 2);
    EXPECT_EQ(ImageList2().indexOf("HALF"), 3);
    for (int i = 4; i <= 12; ++i)
        EXPECT_TRUE(ImageList2().key(i).isEmpty());
    EXPECT_TRUE(form.mnuPalm->isChecked());
    EXPECT_FALSE(form.mnuHot->isChecked());
}

TEST_F(CardPictures, ChoosingTheDesignInForceChangesNothing)
{
    SelectCardBackDesign(form, CardBackDesign::NightCastle);
    SelectCardBackDesign(form, CardBackDesign::NightCastle);
    EXPECT_EQ(ImageList2().indexOf("BACK"), 8);
    EXPECT_TRUE(form.mnuNight->isChecked());
    EXPECT_EQ(int(form.mnuPalm->isChecked()) + form.mnuMagic->isChecked() + form.mnuHot->isChecked(), 0);
}

TEST_F(CardPictures, KeysAreCaseSensitiveUniqueAndTrimmed)
{
    EXPECT_EQ(ImageList2().indexOf("EMPTY"), 13);
    EXPECT_EQ(ImageList2().indexOf("Empty"), 67);
    EXPECT_EQ(ImageList2().indexOf("POINTER"), 66);
    EXPECT_EQ(ImageList2().indexOf("Talmark"), 68);
    EXPECT_EQ(ImageList2().indexOf("1S"), 14);
    EXPECT_EQ(ImageList2().indexOf("13D"), 65);
    EXPECT_EQ(ImageList2().indexOf(" 1S"), 0);
    EXPECT_FALSE(ImageList2().setKey(5, "EMPTY"));
    EXPECT_TRUE(ImageList2().key(5).isEmpty());
}

TEST_F(CardPictures, AnImageRemembersItsPicture)
{
    CardImage image;
    image.setPictureByKey("BACK");
    EXPECT_TRUE(image.shows("BACK"));
    EXPECT_FALSE(image.shows("EMPTY"));
    // The key moves with the design; the picture shown does not.
    SelectCardBackDesign(form, CardBackDesign::MagicHands);
    EXPECT_FALSE(image.shows("BACK"));
    EXPECT_EQ(image.picture(), 2);
}

TEST_F(CardPictures, EveryPictureIsDrawnAndBacksDiffer)
{
    auto render = [](int index) {
        QImage img(69, 94, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.drawPixmap(0, 0, ImageList2().picture(index, img.size()));
        return img;
    };
    for (int i = 1; i <= ImageList::Count; ++i) {
        const QImage img = render(i);
        EXPECT_NE(img.pixel(img.width() / 2, img.height() / 2), 0u) << "picture " << i << " is blank in the middle";
    }
    EXPECT_NE(render(2), render(5));
    EXPECT_NE(render(5), render(8));
    EXPECT_NE(render(8), render(11));
    EXPECT_NE(render(14), render(15));
}
