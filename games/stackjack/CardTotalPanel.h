#pragma once
// The card-total table (frmScore): ten rows of a total and its points, the row of the current total marked.
#include "games/stackjack/CardTotalTable.h"

#include <QGroupBox>
#include <array>

namespace platform {
class Label;
}

class CardTotalPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit CardTotalPanel(QWidget* parent = nullptr);

    // Row 0 is "< 97" (lblNothing, lblScore0), rows 1 to 9 the totals 97 to 105.
    platform::Label* totalLabel(int row) const { return m_totals.at(row); }
    platform::Label* pointsLabel(int row) const { return m_points.at(row); }

    // Draws the row's two labels bold in red and every other row plain in black; NoRow marks none.
    void markRow(int row);
    int markedRow() const { return m_marked; }

    // The labels stay at their places inside the frame whatever its width.
    void placeRows();

private:
    std::array<platform::Label*, stackjack::RowCount> m_totals{};
    std::array<platform::Label*, stackjack::RowCount> m_points{};
    int m_marked = stackjack::NoRow;
};
