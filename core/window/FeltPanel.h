#pragma once
// The green card table a game window lays its controls on: a felt painted with a gradient, either
// darkening from top to bottom or lit like a spotlight above the middle of the table.
#include <QColor>
#include <QGradientStops>
#include <QWidget>

class QPainter;

class FeltPanel : public QWidget {
    Q_OBJECT
public:
    enum class Lighting {
        TopDown,   // the first stop at the top edge, the last at the bottom
        Spotlight, // the first stop at the light, the last at the far corners
    };

    // The house felt, lit from the top.
    explicit FeltPanel(QWidget* parent = nullptr);
    FeltPanel(QWidget* parent, const QGradientStops& stops, Lighting lighting);

    // Where a spotlight stands, as fractions of the width and height (the middle, a little above centre).
    void setLightAt(qreal x, qreal y);
    // Text colour of the controls on the felt that set none of their own.
    void setTextColor(const QColor& color);
    // Paints the bare felt of `area` (in the panel's coordinates): a frame over the felt paints it
    // under itself, so that what lies beneath the frame does not show through.
    void paintFelt(QPainter& p, const QRectF& area) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QGradientStops m_stops;
    Lighting m_lighting;
    qreal m_lightX = 0.5;
    qreal m_lightY = 0.42;
};
