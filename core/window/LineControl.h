#pragma once
// A straight line drawn from (X1, Y1) to (X2, Y2), given in twips of its parent, as the layouts place
// them: bevels beside boxes, links between columns. It only decorates: a click goes through it.
#include <QColor>
#include <QWidget>

class LineControl : public QWidget {
    Q_OBJECT
public:
    // widthPx: the line's thickness in pixels, centred on the line.
    LineControl(QWidget* parent, const QColor& color, int widthPx = 1);

    void setEnds(int x1, int y1, int x2, int y2);
    // For lines that move only across.
    void setXEnds(int x1, int x2) { setEnds(x1, m_y1, x2, m_y2); }

    int X1() const { return m_x1; }
    int Y1() const { return m_y1; }
    int X2() const { return m_x2; }
    int Y2() const { return m_y2; }

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_color;
    int m_width;
    int m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
};
