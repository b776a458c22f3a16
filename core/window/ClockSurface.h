#pragma once
#include "core/window/TimerPieDial.h"

#include <QWidget>

// The picture box a game window gives the round clock to draw on. It keeps the last dial drawn
// and paints it whenever the window needs it.
class ClockSurface : public QWidget {
    Q_OBJECT
public:
    explicit ClockSurface(QWidget* parent = nullptr);

    const PiePicture& picture() const { return m_picture; }
    // Shows a new dial at once: the callers may be blocking the event loop in a count-up.
    void showPicture(const PiePicture& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PiePicture m_picture;
};
