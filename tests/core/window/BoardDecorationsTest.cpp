#include "core/window/FeltPanel.h"
#include "core/window/LineControl.h"
#include "core/window/ShapeControl.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace {
// The parent painted white with the decoration on it.
QImage render(QWidget& parent)
{
    QImage image(parent.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    parent.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}
} // namespace

TEST(BoardDecorations, LinesCoverTheirEndsAtTheirThicknessAndNothingElse)
{
    QWidget parent;
    parent.resize(200, 100);
    struct Case {
        int width;
        std::vector<QPoint> drawn, clear;
    };
    // 150 twips = 10 pixels.
    const Case cases[] = {
        {1, {{10, 20}, {100, 20}, {55, 20}}, {{9, 20}, {101, 20}, {55, 19}, {55, 21}}},
        {2, {{9, 19}, {100, 20}, {55, 19}, {55, 20}}, {{8, 20}, {101, 20}, {55, 18}, {55, 21}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        LineControl line(&parent, Qt::red, c.width);
        line.setEnds(150, 300, 1500, 300);
        EXPECT_EQ(line.X1(), 150);
        EXPECT_EQ(line.X2(), 1500);
        const QImage image = render(parent);
        for (QPoint p : c.drawn)
            EXPECT_EQ(image.pixelColor(p), QColor(Qt::red)) << p.x() << "," << p.y();
        for (QPoint p : c.clear)
            EXPECT_EQ(image.pixelColor(p), QColor(Qt::white)) << p.x() << "," << p.y();
    }

    // Only the across ends move; the line keeps its height.
    LineControl line(&parent, Qt::blue);
    line.setEnds(150, 300, 1500, 300);
    line.setXEnds(300, 600);
    EXPECT_EQ(line.Y1(), 300);
    EXPECT_EQ(line.X1(), 300);
    EXPECT_EQ(render(parent).pixelColor(30, 20), QColor(Qt::blue));
}

TEST(BoardDecorations, ShapesTakeNoClickAndMayLeaveTheirInsideClear)
{
    QWidget parent;
    parent.resize(100, 100);
    ShapeControl frame(&parent, QColor(), Qt::black, 2);
    frame.setGeometry(10, 10, 50, 50);
    ShapeControl box(&parent, Qt::yellow, Qt::black, 1, 5);
    box.setGeometry(70, 10, 20, 20);
    EXPECT_TRUE(frame.testAttribute(Qt::WA_TransparentForMouseEvents));
    const QImage image = render(parent);
    EXPECT_EQ(image.pixelColor(35, 35), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(10, 35), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(80, 20), QColor(Qt::yellow));

    frame.setBorderColor(Qt::red);
    EXPECT_EQ(render(parent).pixelColor(10, 35), QColor(Qt::red));
}

TEST(BoardDecorations, TheFeltFollowsItsStops)
{
    FeltPanel felt(nullptr, {{0.0, Qt::green}, {1.0, Qt::green}}, FeltPanel::Lighting::Spotlight);
    felt.resize(40, 40);
    QImage image(felt.size(), QImage::Format_RGB32);
    felt.render(&image);
    EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::green));

    FeltPanel house;
    house.resize(10, 100);
    QImage shaded(house.size(), QImage::Format_RGB32);
    house.render(&shaded);
    // Darker towards the bottom.
    EXPECT_GT(shaded.pixelColor(5, 2).lightness(), shaded.pixelColor(5, 97).lightness());
}
