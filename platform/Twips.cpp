#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

void setGeometryTw(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
void moveTw(QWidget* w, int left, int top) { w->move(toPixels(left), toPixels(top)); }
void resizeTw(QWidget* w, int width, int height) { w->resize(toPixels(width), toPixels(height)); }
void setLeftTw(QWidget* w, int left) { w->move(toPixels(left), w->y()); }
void setTopTw(QWidget* w, int top) { w->move(w->x(), toPixels(top)); }
void setWidthTw(QWidget* w, int width) { w->resize(toPixels(width), w->height()); }
void setHeightTw(QWidget* w, int height) { w->resize(w->width(), toPixels(height)); }
int leftTw(const QWidget* w) { return toTwips(w->isWindow() ? w->frameGeometry().x() : w->x()); }
int topTw(const QWidget* w) { return toTwips(w->isWindow() ? w->frameGeometry().y() : w->y()); }
int widthTw(const QWidget* w) { return toTwips(w->width()); }
int heightTw(const QWidget* w) { return toTwips(w->height()); }

static QRect screenRect()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}
int screenWidthTw() { return toTwips(screenRect().width()); }
int screenHeightTw() { return toTwips(screenRect().height()); }

void centreOnScreen(QWidget* w)
{
    const QRect screen = screenRect();
    const int left = (screenWidthTw() - widthTw(w)) / 2;
    const int top = (screenHeightTw() - heightTw(w)) / 2;
    w->move(screen.x() + toPixels(left), screen.y() + toPixels(top));
}

} // namespace platform
