#include "games/stackjack/CardTotalPanel.h"

#include "games/stackjack/StackjackLayout.h"
#include "platform/Colors.h"
#include "platform/Label.h"
#include "platform/Twips.h"

namespace {
// The names the rows' labels carry, "< 97" first.
constexpr const char* TotalNames[stackjack::RowCount] = {"lblNothing", "lbl97",  "lbl98",  "lbl99",  "lbl100",
                                                         "lbl101",     "lbl102", "lbl103", "lbl104", "lbl105"};
constexpr const char* PointsNames[stackjack::RowCount] = {"lblScore0",   "lblscore97",  "lblscore98", "lblscore99",
                                                          "lblscore100", "lblscore101", "lblscore102",
                                                          "lblscore103", "lblScore104", "lblScore105"};

void setMarked(platform::Label* label, bool marked)
{
    QFont f = label->font();
    f.setBold(marked);
    label->setFont(f);
    label->setForeColor(marked ? platform::ColorRed : platform::ColorBlack);
}
} // namespace

CardTotalPanel::CardTotalPanel(QWidget* parent) : QGroupBox(QStringLiteral("Card Total Value"), parent)
{
    setObjectName(QStringLiteral("frmScore"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xfb, 0xf6, 0xe6));
    p.setColor(QPalette::WindowText, QColor(0x1b, 0x3a, 0x2a));
    setPalette(p);
    QFont title = font();
    title.setBold(true);
    setFont(title);

    const auto& rows = stackjack::CardTotalRows();
    for (int row = 0; row < stackjack::RowCount; ++row) {
        m_totals[row] = new platform::Label(this, QString::fromLatin1(rows[row].totalCaption));
        m_totals[row]->setObjectName(QLatin1String(TotalNames[row]));
        m_points[row] = new platform::Label(this, QString::fromLatin1(rows[row].pointsCaption));
        m_points[row]->setObjectName(QLatin1String(PointsNames[row]));
        m_points[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_totals[row]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (platform::Label* label : {m_totals[row], m_points[row]}) {
            QFont f = label->font();
            f.setPointSize(10);
            label->setFont(f);
            setMarked(label, false);
        }
    }
    placeRows();
}

void CardTotalPanel::placeRows()
{
    using namespace stackjack::layout;
    // 105 at the top, "< 97" at the bottom.
    for (int row = 0; row < stackjack::RowCount; ++row) {
        const int top = TableFirstRowTop + (stackjack::RowCount - 1 - row) * TableRowStep;
        platform::setGeometryTw(m_totals[row], TableTotalLeft, top, TableLabelWidth, TableRowHeight);
        platform::setGeometryTw(m_points[row], TablePointsLeft, top, TableLabelWidth, TableRowHeight);
    }
}

void CardTotalPanel::markRow(int row)
{
    m_marked = row;
    for (int r = 0; r < stackjack::RowCount; ++r) {
        setMarked(m_totals[r], r == row);
        setMarked(m_points[r], r == row);
    }
}
