// The window keeps the size its settings file gives it: play does not widen it, and a size the screen
// cannot hold is brought within the screen before the window opens and is written back so.
#include "StackjackWindowFixture.h"

#include "core/window/ShapeControl.h"
#include "platform/Conversions.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "support/PlatformFakes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

namespace {
QByteArray placement(int width, int height)
{
    return "[State]\r\n0\r\n\r\n[Width]\r\n" + QByteArray::number(width) + "\r\n\r\n[Height]\r\n" +
           QByteArray::number(height) + "\r\n\r\n";
}
} // namespace

class StackjackWindowSizeTest : public StackjackWindowTest {
protected:
    void reopenWith(const QByteArray& settings)
    {
        delete form;
        ASSERT_TRUE(platform::writeFileAtomically(folder.file(QStringLiteral("Stackjack.Ini")), settings));
        openWindow();
        QApplication::processEvents();
    }
    QByteArray closeAndReadSettings()
    {
        ScriptedMessageBoxes boxes;
        boxes.expect(platform::vbYes);
        EXPECT_TRUE(form->close());
        return file(QStringLiteral("Stackjack.Ini"));
    }
};

TEST_F(StackjackWindowSizeTest, AWindowOpenedAndPlayedWithoutResizingWritesBackTheSizeItWasGiven)
{
    reopenWith(placement(9540, 7305));
    play();
    form->cmdHit[0]->click();
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
    EXPECT_EQ(platform::widthTw(form), 9540);
    EXPECT_TRUE(closeAndReadSettings().endsWith(placement(9540, 7305) + "\r\n"));
}

TEST_F(StackjackWindowSizeTest, ASizeBeyondTheScreenIsClampedToItsAvailableAreaAndWrittenBackSo)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    reopenWith(placement(491505, 491505));
    EXPECT_LE(form->width(), screen.width());
    EXPECT_LE(form->height(), screen.height());
    const int width = platform::widthTw(form), height = platform::heightTw(form);
    EXPECT_GE(width, 9540);
    EXPECT_TRUE(closeAndReadSettings().endsWith(placement(width, height) + "\r\n"));
}

TEST_F(StackjackWindowSizeTest, TheBiggestScoreFitsItsBoxAtEverySize)
{
    play();
    for (bool maximised : {false, true}) {
        SCOPED_TRACE(maximised);
        if (maximised)
            form->showMaximized();
        QApplication::processEvents();
        form->lblTotalScore->setCaption(platform::formatGrouped(2147483647));
        const QRect box = form->ScoreRectangle->geometry();
        const QRect figure = form->lblTotalScore->geometry();
        EXPECT_GT(figure.left(), box.left());
        EXPECT_LT(figure.right(), box.right());
        EXPECT_LE(QFontMetrics(form->lblTotalScore->shownFont()).horizontalAdvance(form->lblTotalScore->caption()),
                  figure.width());
    }
}
