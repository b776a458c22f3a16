#pragma once
// The window layouts are given in twips (15 to a pixel at 96 dpi); this is the one place they become pixels.
#include <QRect>

class QWidget;

namespace platform {

constexpr int TwipsPerPixel = 15;

constexpr int toPixels(int twips) { return twips / TwipsPerPixel; }
constexpr int toTwips(int pixels) { return pixels * TwipsPerPixel; }

void setGeometryTw(QWidget* w, int left, int top, int width, int height);
void moveTw(QWidget* w, int left, int top);
void resizeTw(QWidget* w, int width, int height);
void setLeftTw(QWidget* w, int left);
void setTopTw(QWidget* w, int top);
void setWidthTw(QWidget* w, int width);
void setHeightTw(QWidget* w, int height);
int leftTw(const QWidget* w);
int topTw(const QWidget* w);
int widthTw(const QWidget* w);
int heightTw(const QWidget* w);

// Screen size in twips, for centring windows.
int screenWidthTw();
int screenHeightTw();

// Centres a top-level window as Left = (screen width - width) \ 2, Top likewise.
void centreOnScreen(QWidget* w);

} // namespace platform
