#include "core/window/ShapeControl.h"
#include "core/window/TableControls.h"
#include "platform/Conversions.h"
#include "platform/Label.h"

#include <QFontMetrics>
#include <QWidget>
#include <gtest/gtest.h>

// Every figure a game can reach stays inside its box, however the game places, sizes or fills it.
TEST(TableControls, AFigureStaysInsideItsBoxAndIsDrawnWhole)
{
    QWidget board;
    board.resize(400, 300);
    ShapeControl* box = tablecontrols::makeBox(&board, QStringLiteral("ScoreRectangle"));
    box->setGeometry(100, 50, 71, 34);
    platform::Label* figure = tablecontrols::makeLabel(&board, QStringLiteral("lblCurrentScore"), QStringLiteral("0"), 13, true);
    tablecontrols::keepInBox(figure, box);
    board.show();

    const QRect inside = tablecontrols::insideOf(box);
    for (std::int64_t score : {0LL, 999999LL, 2147483647LL, -2147483647LL}) {
        SCOPED_TRACE(score);
        figure->setCaption(platform::formatGrouped(score));
        // What the games do with a new figure: size the label to it and centre it on the box.
        figure->adjustSize();
        figure->move(box->x() + (box->width() - figure->width()) / 2, figure->y());
        EXPECT_GE(figure->x(), inside.x());
        EXPECT_LE(figure->x() + figure->width(), inside.x() + inside.width());
        EXPECT_LE(QFontMetrics(figure->shownFont()).horizontalAdvance(figure->caption()), figure->contentsRect().width());
    }
    // A figure that fits keeps its font; a box that moves takes its figure along.
    figure->setCaption(QStringLiteral("0"));
    figure->adjustSize();
    EXPECT_EQ(figure->shownFont(), figure->font());
    figure->setCaption(QStringLiteral("2,147,483,647"));
    figure->adjustSize();
    box->move(20, 50);
    EXPECT_EQ(figure->geometry().left(), tablecontrols::insideOf(box).left());
}
