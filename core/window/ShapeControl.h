#pragma once
// A drawn rectangle, square-cornered or rounded, with a border of a colour and width and an optional
// fill: the boxes behind scores and clocks, frames and selection marks. It only decorates: a click
// goes through it to whatever lies beneath.
#include <QColor>
#include <QWidget>

class ShapeControl : public QWidget {
    Q_OBJECT
public:
    // fill: an invalid colour leaves the inside clear. borderWidth in pixels, 0 for none; radius in
    // pixels, 0 for square corners.
    ShapeControl(QWidget* parent, const QColor& fill, const QColor& border, qreal borderWidth = 1, qreal radius = 0);

    QColor fillColor() const { return m_fill; }
    void setFillColor(const QColor& color);
    QColor borderColor() const { return m_border; }
    void setBorderColor(const QColor& color);
    qreal borderWidth() const { return m_borderWidth; }
    void setBorderWidth(qreal width);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_fill;
    QColor m_border;
    qreal m_borderWidth;
    qreal m_radius;
};
