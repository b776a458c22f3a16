#pragma once
#include <QWidget>

// The picture box a game window gives the round clock to draw on.
class ClockSurface : public QWidget {
    Q_OBJECT
public:
    explicit ClockSurface(QWidget* parent = nullptr) : QWidget(parent) {}
};
